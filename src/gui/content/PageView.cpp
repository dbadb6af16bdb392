#include "content/PageView.h"

#include "settings/Paths.h"

#include <QAction>
#include <QFrame>
#include <QIcon>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolBar>

namespace jm::gui {

QToolBar* createPageToolBar(QWidget* parent, std::function<void(int)> onItem)
{
    auto* bar = new QToolBar(parent);
    bar->setObjectName(QStringLiteral("工具条1"));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->setIconSize(QSize(18, 18));
    const struct {
        const char* caption;
        const char* icon;
        bool acts;
    } items[] = {
        { "首页", "home", false },
        { "后退", "back", false },
        { "前进", "forward", false },
        { "导出", "export", false },
        { "打印", "print", true },
        { "退出", "exit", true },
    };
    for (const auto& item : items) {
        if (!bar->actions().isEmpty()) bar->addSeparator();
        QAction* action = bar->addAction(
            QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(item.icon))), QString::fromUtf8(item.caption));
        action->setEnabled(item.acts);
    }
    QObject::connect(bar, &QToolBar::actionTriggered, bar,
        [bar, onItem = std::move(onItem)](QAction* a) { onItem(bar->actions().indexOf(a)); });
    return bar;
}

QFrame* createToolBarRule(QWidget* parent)
{
    auto* rule = new QFrame(parent);
    rule->setObjectName(QStringLiteral("分组框4"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    return rule;
}

QStatusBar* createPageStatusBar(QWidget* parent)
{
    auto* bar = new QStatusBar(parent);
    bar->setObjectName(QStringLiteral("状态条1"));
    bar->setSizeGripEnabled(false);
    return bar;
}

QTextBrowser* createPageViewer(QWidget* parent, const QString& objectName)
{
    auto* viewer = new QTextBrowser(parent);
    viewer->setObjectName(objectName);
    viewer->setOpenExternalLinks(true);
    return viewer;
}

void showPageText(QTextBrowser& viewer, const std::string& utf8Page, const std::filesystem::path& directory)
{
    // Relative links and pictures of a page resolve in its directory.
    viewer.setSearchPaths({ QString::fromStdString(directory.string()) });
    viewer.setHtml(QString::fromStdString(utf8Page));
}

namespace {

class DialogPagePrinter final : public PagePrinter {
public:
    void print(QTextBrowser& viewer, QWidget* parent) override
    {
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dialog(&printer, parent);
        if (dialog.exec() != QDialog::Accepted) return;
        viewer.document()->print(&printer);
    }
};

} // namespace

PagePrinter& dialogPagePrinter()
{
    static DialogPagePrinter printer;
    return printer;
}

} // namespace jm::gui
