#include "generate/CombinationPage.h"

#include "generate/RunStatus.h"
#include "shell/NameListModel.h"
#include "ui_CombinationPage.h"

#include <limits>

namespace jm::gui {

CombinationPage::CombinationPage(NameListModel& list, QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::CombinationPage>())
{
    m_ui->setupUi(this);
    m_runStatus = new RunStatus(m_ui->进度条_组合, m_ui->标签_组合状态, m_ui->按钮_组合取消, m_ui->按钮_组合导出, this);
    // Kept whole in the settings file: the box may not cut what it restores.
    m_ui->编辑框_组合的字->setMaxLength(std::numeric_limits<int>::max());
    list.attachTo(m_ui->超级列表框_组合列表);
    list.sortByHeaderOf(m_ui->超级列表框_组合列表);
    connect(m_ui->按钮_组合起名, &QPushButton::clicked, this, &CombinationPage::generateClicked);
    connect(m_ui->超级列表框_组合列表, &QTreeView::doubleClicked, this, &CombinationPage::nameDoubleClicked);
}

CombinationPage::~CombinationPage() = default;

QString CombinationPage::characters() const
{
    return m_ui->编辑框_组合的字->text();
}

void CombinationPage::setCharacters(const QString& characters)
{
    m_ui->编辑框_组合的字->setText(characters);
}

void CombinationPage::fillRequest(GenerationRequest& request) const
{
    request.combination.characters = characters().toStdString();
}

QPushButton* CombinationPage::exportButton() const
{
    return m_ui->按钮_组合导出;
}

} // namespace jm::gui
