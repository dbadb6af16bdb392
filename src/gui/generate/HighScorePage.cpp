#include "generate/HighScorePage.h"

#include "generate/ResultPages.h"
#include "generate/RunStatus.h"
#include "shell/NameListModel.h"
#include "ui_HighScorePage.h"

namespace jm::gui {

HighScorePage::HighScorePage(NameListModel& list, QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::HighScorePage>())
{
    m_ui->setupUi(this);
    m_runStatus = new RunStatus(m_ui->进度条_高分, m_ui->标签_高分状态, m_ui->按钮_高分取消, m_ui->按钮_高分导出, this);
    list.attachTo(m_ui->超级列表框_高分起名);
    list.sortByHeaderOf(m_ui->超级列表框_高分起名);
    connect(m_ui->按钮_再生成一次, &QPushButton::clicked, this, &HighScorePage::generateClicked);
    connect(m_ui->按钮_高分暂停, &QPushButton::clicked, this, &HighScorePage::togglePause);
    connect(m_ui->超级列表框_高分起名, &QTreeView::doubleClicked, this, &HighScorePage::nameDoubleClicked);
}

HighScorePage::~HighScorePage() = default;

QPushButton* HighScorePage::exportButton() const
{
    return m_ui->按钮_高分导出;
}

void HighScorePage::restartList(GenerationMode mode)
{
    if (mode != GenerationMode::HighScore) return;
    m_ui->按钮_高分暂停->setText(kPauseCaption);
    m_ui->按钮_再生成一次->setEnabled(true);
}

void HighScorePage::onRunStarted(GenerationMode mode)
{
    // A new run is never paused, whatever the caption said before.
    m_ui->按钮_高分暂停->setText(kPauseCaption);
    if (mode != GenerationMode::HighScore) return;
    m_ui->按钮_高分暂停->setEnabled(false);
    m_ui->按钮_再生成一次->setEnabled(false);
}

void HighScorePage::onFirstListed(GenerationMode mode)
{
    if (mode == GenerationMode::HighScore) m_ui->按钮_高分暂停->setEnabled(true);
}

void HighScorePage::onRunFinished(GenerationMode mode)
{
    if (mode != GenerationMode::HighScore) return;
    // Pausing needs a run; the run line has unlocked the export.
    m_ui->按钮_高分暂停->setEnabled(false);
    m_ui->按钮_高分暂停->setText(kPauseCaption);
    m_ui->按钮_再生成一次->setEnabled(true);
}

void HighScorePage::togglePause()
{
    const bool pause = m_ui->按钮_高分暂停->text() == kPauseCaption;
    m_ui->按钮_高分导出->setEnabled(pause);
    m_ui->按钮_高分暂停->setText(pause ? kResumeCaption : kPauseCaption);
    Q_EMIT pauseToggled(pause);
}

} // namespace jm::gui
