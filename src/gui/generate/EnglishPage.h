#pragma once

#include "generate/EnglishRow.h"

#include <QWidget>

#include <memory>
#include <vector>

class QStatusBar;

class QPushButton;
namespace Ui {
class EnglishPage;
}

namespace jm {
struct GenerationRequest;
}

namespace jm::gui {

class RunStatus;

class AudioPlayer;
class MessageService;
class NameListModel;
class Pronunciation;

/// The English name page (起英文名, 页面_起英文名): its inputs, its list
/// and the pronunciation of a listed name on double click. The list's model
/// belongs to the generation side. Window thread only.
class EnglishPage : public QWidget {
    Q_OBJECT
public:
    /// How long a pronunciation note stays in the status bar, in ms.
    static constexpr int kNoteMilliseconds = 5000;

    /// `list` is the English result list, shown in 超级列表框_英文列表; it
    /// must outlive the page. Notes go to `statusBar` (may be null).
    /// `player` replaces the media player (tests); null plays through Qt Multimedia.
    EnglishPage(NameListModel& list, QStatusBar* statusBar, QWidget* parent = nullptr,
        std::unique_ptr<AudioPlayer> player = {});
    ~EnglishPage() override;

    /// The page's run line: progress, status text, 取消 and export enabling.
    RunStatus& runStatus() { return *m_runStatus; }
    /// 导出列表: saves the list (ExportActions).
    QPushButton* exportButton() const;

    /// 编辑框_英文姓氏: 开始起名 copies the mode page's surname into it.
    void setSurname(const QString& surname);
    /// 编辑框_英文名字 (kept in the settings file).
    QString givenName() const;
    void setGivenName(const QString& givenName);

    /// The English options of a run: 编辑框_英文姓氏, 编辑框_英文名字 and
    /// the style of the checked option (男性化 1, 女性化 2, 中性化 3).
    void fillRequest(GenerationRequest& request) const;
    /// Before 按钮_英文起名 starts a run: "请输入姓氏" or "请输入名字"
    /// (title "提示") when a box is empty; true when both are filled.
    bool checkInputs(MessageService& messages) const;
    /// Rows the run listed (the drain of onEnglishRows): replaces the rows
    /// from `firstRow` on, so a batch delivered twice is not listed twice.
    void showRows(std::size_t firstRow, const std::vector<EnglishRow>& rows);
    /// Plays the pronunciation of the name in row `row`.
    void speakRow(int row);

    Pronunciation& pronunciation() { return *m_pronunciation; }

Q_SIGNALS:
    /// 按钮_英文起名 was clicked.
    void generateClicked();

private:
    std::unique_ptr<Ui::EnglishPage> m_ui;
    RunStatus* m_runStatus = nullptr;
    NameListModel& m_list;
    QStatusBar* m_statusBar;
    Pronunciation* m_pronunciation;
};

} // namespace jm::gui
