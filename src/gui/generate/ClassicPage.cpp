#include "generate/ClassicPage.h"

#include "generate/RunStatus.h"
#include "ui_ClassicPage.h"

namespace jm::gui {

ClassicPage::ClassicPage(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::ClassicPage>())
{
    m_ui->setupUi(this);
    m_runStatus = new RunStatus(m_ui->进度条_经典, m_ui->标签_经典状态, m_ui->按钮_经典取消, m_ui->按钮_经典导出, this);
    connect(m_ui->按钮_经典生成, &QPushButton::clicked, this, &ClassicPage::generateClicked);
}

ClassicPage::~ClassicPage() = default;

const QPlainTextEdit& ClassicPage::textBox() const
{
    return *m_ui->编辑框_经典名字;
}

QPushButton* ClassicPage::exportButton() const
{
    return m_ui->按钮_经典导出;
}

void ClassicPage::onRunStarted(GenerationMode mode)
{
    if (mode == GenerationMode::Classic) m_ui->编辑框_经典名字->clear();
}

void ClassicPage::showText(const QString& text)
{
    // The box keeps its lines apart by "\n" alone.
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_ui->编辑框_经典名字->setPlainText(lines);
}

} // namespace jm::gui
