#pragma once

#include "generate/PoemMode.h"

#include <QCheckBox>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <vector>

class QTreeView;

class QPushButton;
namespace Ui {
class PoemPage;
}

namespace jm {
class NameDatabase;
struct GenerationRequest;
}

namespace jm::gui {

class RunStatus;

class MessageService;
class NameListModel;

/// One character of the chosen poem as a check box inside 分组框_诗词字符,
/// made after the hidden template box 选择框1.
class PoemCharacterBox : public QCheckBox {
    Q_OBJECT
public:
    PoemCharacterBox(const QCheckBox& model, const QString& character, QWidget* parent);
};

/// The poem page (诗词起名, 页面_诗词起名): the poet and poem lists, the
/// poem view 网页浏览框1, the character boxes with 全选/全清/反选, the poem
/// options of a run and the list of names a poem run gives (its model
/// belongs to the generation side). Window thread only.
///
/// A poem is always picked by the row id of the selected poem row, so the
/// view and "使用此诗词" show and use the selected poet's poem even when
/// other poems carry the same title.
class PoemPage : public QWidget {
    Q_OBJECT
public:
    /// Boxes to a row and the spacing of the box grid.
    static constexpr int kBoxesPerRow = 15;
    static constexpr int kBoxStepX = 40;
    static constexpr int kBoxStepY = 20;
    static constexpr int kBoxWidth = 70;
    static constexpr int kBoxHeight = 20;

    /// `nameList` is the poem-mode result list, shown in 超级列表框_诗名列表;
    /// it must outlive the page, and so must the database.
    PoemPage(NameDatabase& db, MessageService& messages, NameListModel& nameList, QWidget* parent = nullptr);
    ~PoemPage() override;

    /// The page's run line: progress, status text, 取消 and export enabling.
    RunStatus& runStatus() { return *m_runStatus; }
    /// 导出列表: saves the list (ExportActions).
    QPushButton* exportButton() const;

    /// The models of 超级列表框_诗人列表 and 超级列表框_诗词残.
    NameListModel& poetList() { return *m_poetList; }
    NameListModel& poemList() { return *m_poemList; }

    /// "开始起名" in poem mode: fills the poet list, selects its first poet,
    /// lists that poet's poems and asks to be shown (`showRequested`).
    void openPage();
    /// Fills the poet list in OrderId order (only poets whose name holds the
    /// text of 搜索诗人), selects row 0 and lists its poems.
    void fillPoetList();
    /// Lists the poems of the poet in row `poetRow` (only titles holding the
    /// text of 搜索标题) and shows the first one.
    void listPoems(int poetRow);
    /// How long the current poet must stay current before its poems load,
    /// so holding an arrow key does not reload at every row.
    static constexpr int kPoetSettleMs = 200;
    /// True while a moved poet row waits for `kPoetSettleMs`.
    bool isPoetChangePending() const;
    /// Writes the page of the poem in row `poemRow` to temp.html and shows it
    /// from memory.
    void showPoem(int poemRow);
    /// "使用此诗词": replaces the character boxes by those of the selected poem.
    void usePoem();
    void checkAll();
    void clearAll();
    void invertAll();
    /// A run starts: shows the name list (page 2 of 高级选择夹2).
    void showNameList();

    /// The poem options of a run: the captions of the checked boxes, in box order.
    void fillRequest(GenerationRequest& request) const;

    const std::vector<PoemCharacterBox*>& boxes() const { return m_boxes; }
    /// The row id of the selected poem; 0 when none is selected.
    long long selectedPoemId() const;
    /// Where box `index` (0-based) goes, relative to `origin` (the top-left
    /// of the group box's inner area).
    static QRect boxGeometry(int index, QPoint origin);

Q_SIGNALS:
    /// `openPage` wants the page to be the current page of the window.
    void showRequested();
    /// 开始起名 of the page (按钮_诗词起名) was clicked.
    void generateClicked();
    /// A name of the result list was double-clicked.
    void nameDoubleClicked(const QModelIndex& index);

private:
    static int selectedRow(const QTreeView* view);
    void removeBoxes();
    /// Shows the poets of m_allPoets that match the poet search.
    void filterPoets();
    /// Shows the poems of m_allPoems that match the title search.
    void filterPoems();

    std::unique_ptr<Ui::PoemPage> m_ui;
    RunStatus* m_runStatus = nullptr;
    NameDatabase& m_db;
    MessageService& m_messages;
    NameListModel* m_poetList = nullptr;
    NameListModel* m_poemList = nullptr;
    std::vector<long long> m_poemIds;
    /// Every poet, and every poem of the listed poet, before the searches.
    std::vector<std::string> m_allPoets;
    std::vector<PoemEntry> m_allPoems;
    QTimer* m_poetSettle = nullptr;
    std::vector<PoemCharacterBox*> m_boxes;
};

} // namespace jm::gui
