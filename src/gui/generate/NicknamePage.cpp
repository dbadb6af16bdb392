#include "generate/NicknamePage.h"

#include "generate/RunStatus.h"
#include "shell/NameListModel.h"
#include "ui_NicknamePage.h"

namespace jm::gui {

NicknamePage::NicknamePage(NameListModel& list, QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::NicknamePage>())
{
    m_ui->setupUi(this);
    m_runStatus = new RunStatus(m_ui->进度条_小名, m_ui->标签_小名状态, m_ui->按钮_小名取消, m_ui->按钮_小名导出, this);
    list.attachTo(m_ui->超级列表框_小名列表);
    list.sortByHeaderOf(m_ui->超级列表框_小名列表);
    connect(m_ui->按钮_起小名, &QPushButton::clicked, this, &NicknamePage::generateClicked);
    connect(m_ui->超级列表框_小名列表, &QTreeView::doubleClicked, this, &NicknamePage::nameDoubleClicked);
}

NicknamePage::~NicknamePage() = default;

void NicknamePage::fillRequest(GenerationRequest& request) const
{
    if (m_ui->单选框_小A型->isChecked())
        request.nickname.pattern = NicknamePattern::XiaoA;
    else if (m_ui->单选框_A儿型->isChecked())
        request.nickname.pattern = NicknamePattern::AEr;
    else if (m_ui->单选框_阿A型->isChecked())
        request.nickname.pattern = NicknamePattern::AhA;
    else
        request.nickname.pattern = NicknamePattern::AA;
}

void NicknamePage::onRunStarted(GenerationMode mode)
{
    if (mode == GenerationMode::Nickname) m_ui->按钮_起小名->setEnabled(false);
}

void NicknamePage::onRunFinished(GenerationMode)
{
    m_ui->按钮_起小名->setEnabled(true);
}

QPushButton* NicknamePage::exportButton() const
{
    return m_ui->按钮_小名导出;
}

} // namespace jm::gui
