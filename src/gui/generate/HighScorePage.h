#pragma once

#include "generate/GenerationRequest.h"

#include <QWidget>

#include <memory>

class QPushButton;
namespace Ui {
class HighScorePage;
}

namespace jm::gui {

class RunStatus;

class NameListModel;

/// The high-score page 高分模式 (页面_高分模式): the list of a high-score
/// run with 暂停/继续, 再生成一次 and 导出. The list's model belongs to the
/// generation side; the page shows it and keeps its buttons in step with the
/// runs. Window thread only.
class HighScorePage : public QWidget {
    Q_OBJECT
public:
    /// `list` is the high-score result list; it must outlive the page.
    explicit HighScorePage(NameListModel& list, QWidget* parent = nullptr);
    ~HighScorePage() override;

    /// The page's run line: progress, status text, 取消 and export enabling.
    RunStatus& runStatus() { return *m_runStatus; }

    QPushButton* exportButton() const;

public Q_SLOTS:
    /// 开始起名 started the list over for a new surname.
    void restartList(jm::GenerationMode mode);
    /// Any run starts: the pause caption reads 暂停 again; a high-score run
    /// locks 暂停 until it lists its first name and 再生成一次 until it ends.
    void onRunStarted(jm::GenerationMode mode);
    void onFirstListed(jm::GenerationMode mode);
    /// A high-score run ended: 暂停 is locked again (nothing to pause).
    void onRunFinished(jm::GenerationMode mode);

Q_SIGNALS:
    /// 再生成一次 was clicked.
    void generateClicked();
    /// 暂停 (`pause` true) or 继续 (false) was clicked; the page has already
    /// turned its caption and the export button.
    void pauseToggled(bool pause);
    /// A name of the list was double-clicked.
    void nameDoubleClicked(const QModelIndex& index);

private:
    void togglePause();

    std::unique_ptr<Ui::HighScorePage> m_ui;
    RunStatus* m_runStatus = nullptr;
};

} // namespace jm::gui
