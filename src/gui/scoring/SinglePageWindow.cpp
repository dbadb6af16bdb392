#include "scoring/SinglePageWindow.h"

#include "content/PageView.h"

#include <QFrame>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolBar>

namespace jm::gui {

SinglePageWindow::SinglePageWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_printer(&dialogPagePrinter())
{
    setObjectName(QStringLiteral("单页浏览窗口"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("姓名详细解释"));
    m_toolBar = createPageToolBar(this, [this](int item) { onToolbarItem(item); });
    m_rule = createToolBarRule(this);
    m_viewer = createPageViewer(this, QStringLiteral("网页浏览框1"));
    m_statusBar = createPageStatusBar(this);
    resize(640, 520);
}

void SinglePageWindow::showText(const std::string& utf8Page, const std::filesystem::path& directory)
{
    showPageText(*m_viewer, utf8Page, directory);
}

void SinglePageWindow::onToolbarItem(int item)
{
    if (item == ToolPrint)
        m_printer->print(*m_viewer, this);
    else if (item == ToolExit)
        close();
}

void SinglePageWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();
    m_toolBar->setGeometry(0, 0, w, 28);
    m_rule->setGeometry(-8, 32, w + 10, 4);
    m_viewer->setGeometry(0, 40, w - 1, h - 70);
    m_statusBar->setGeometry(0, h - 20, w, 20);
}

} // namespace jm::gui
