#pragma once

#include "generate/EnglishRow.h"

#include <QObject>

#include <memory>
#include <vector>

class QStatusBar;
class QWidget;

namespace Ui {
class MainWindow;
}

namespace jm {
struct GenerationRequest;
}

namespace jm::gui {

class AudioPlayer;
class MessageService;
class NameListModel;
class Pronunciation;

/// The English name page (起英文名, page 5 of 高级选择夹1): its inputs, its
/// list and the pronunciation of a listed name on double click. Window thread only.
class EnglishPage : public QObject {
    Q_OBJECT
public:
    /// How long a pronunciation note stays in the status bar, in ms.
    static constexpr int kNoteMilliseconds = 5000;

    /// `list` is the model of 超级列表框_英文列表 (already attached to its
    /// view); notes go to `statusBar` (may be null). `player` replaces the
    /// media player (tests); null plays through Qt Multimedia.
    EnglishPage(Ui::MainWindow& ui, NameListModel& list, QStatusBar* statusBar, QWidget* window,
        std::unique_ptr<AudioPlayer> player = {});
    ~EnglishPage() override;

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

private:
    Ui::MainWindow& m_ui;
    NameListModel& m_list;
    QStatusBar* m_statusBar;
    QWidget* m_window;
    Pronunciation* m_pronunciation;
};

} // namespace jm::gui
