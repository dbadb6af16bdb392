#pragma once

#include "generate/PoemMode.h"

#include <QCheckBox>
#include <QObject>
#include <QRect>

#include <vector>

class QTreeView;

namespace Ui {
class MainWindow;
}

namespace jm {
class NameDatabase;
struct GenerationRequest;
}

namespace jm::gui {

class MessageService;
class NameListModel;

/// One character of the chosen poem as a check box inside 分组框_诗词字符,
/// made after the hidden template box 选择框1.
class PoemCharacterBox : public QCheckBox {
    Q_OBJECT
public:
    PoemCharacterBox(const QCheckBox& model, const QString& character, QWidget* parent);
};

/// The poem page (诗词起名, page 2 of 高级选择夹1): the poet and poem lists,
/// the poem view 网页浏览框1, the character boxes with 全选/全清/反选, and
/// the poem options of a run. Window thread only.
///
/// A poem is always picked by the row id of the selected poem row, so the
/// view and "使用此诗词" show and use the selected poet's poem even when
/// other poems carry the same title.
class PoemPage : public QObject {
    Q_OBJECT
public:
    /// Boxes to a row and the spacing of the box grid.
    static constexpr int kBoxesPerRow = 15;
    static constexpr int kBoxStepX = 40;
    static constexpr int kBoxStepY = 20;
    static constexpr int kBoxWidth = 70;
    static constexpr int kBoxHeight = 20;

    /// `poetList` and `poemList` are the models shown by 超级列表框_诗人列表
    /// and 超级列表框_诗词残 (already attached to their views).
    PoemPage(Ui::MainWindow& ui, NameDatabase& db, MessageService& messages, NameListModel& poetList,
        NameListModel& poemList, QWidget* window);

    /// "开始起名" in poem mode: fills the poet list, selects its first poet,
    /// lists that poet's poems and shows page 2 of 高级选择夹1.
    void openPage();
    /// Fills the poet list in OrderId order, selects row 0 and lists its poems.
    void fillPoetList();
    /// Lists the poems of the poet in row `poetRow` and shows the first one.
    void listPoems(int poetRow);
    /// Writes the page of the poem in row `poemRow` to temp.html and shows it.
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

private:
    static int selectedRow(const QTreeView* view);
    void removeBoxes();

    Ui::MainWindow& m_ui;
    NameDatabase& m_db;
    MessageService& m_messages;
    NameListModel& m_poetList;
    NameListModel& m_poemList;
    QWidget* m_window;
    std::vector<long long> m_poemIds;
    std::vector<PoemCharacterBox*> m_boxes;
};

} // namespace jm::gui
