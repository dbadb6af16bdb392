#include "content/PageView.h"

#include "settings/Paths.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QIcon>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolBar>

#include <vector>

namespace jm::gui {

QToolBar* createPageToolBar(QWidget* parent, std::function<void(int)> onItem, bool exports, bool history)
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
        { "首页", "home", history },
        { "后退", "back", history },
        { "前进", "forward", history },
        { "导出", "export", exports },
        { "打印", "print", true },
        { "退出", "exit", true },
    };
    bool anyShown = false;
    for (const auto& item : items) {
        // Items that do not act are hidden (the click indices stay the
        // same), and so is a separator without a shown item on its left.
        QAction* separator = bar->actions().isEmpty() ? nullptr : bar->addSeparator();
        QAction* action = bar->addAction(
            QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(item.icon))), QString::fromUtf8(item.caption));
        action->setVisible(item.acts);
        if (separator) separator->setVisible(item.acts && anyShown);
        anyShown = anyShown || item.acts;
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

std::unique_ptr<QTextDocument> printableDocument(const QTextDocument& page)
{
    std::unique_ptr<QTextDocument> copy(page.clone());
    const auto inPoints = [](QTextCharFormat& format) {
        if (!format.hasProperty(QTextFormat::FontPixelSize)) return false;
        const int px = format.intProperty(QTextFormat::FontPixelSize);
        format.clearProperty(QTextFormat::FontPixelSize);
        format.setFontPointSize(px * 0.75);
        return true;
    };
    QFont font = copy->defaultFont();
    if (font.pixelSize() > 0) {
        font.setPointSizeF(font.pixelSize() * 0.75);
        copy->setDefaultFont(font);
    }
    // Collected first: changing a format may merge fragments under an iterator.
    struct Change {
        int position;
        int length;
        QTextCharFormat format;
    };
    std::vector<Change> changes;
    for (QTextBlock block = copy->begin(); block.isValid(); block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            if (inPoints(format)) changes.push_back({ fragment.position(), fragment.length(), format });
        }
    }
    QTextCursor cursor(copy.get());
    for (const Change& change : changes) {
        cursor.setPosition(change.position);
        cursor.setPosition(change.position + change.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(change.format);
    }
    return copy;
}

bool writePdf(const QTextDocument& page, const QString& file)
{
    {
        QFile probe(file);
        if (!probe.open(QIODevice::WriteOnly)) return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printableDocument(page)->print(&printer);
    return QFileInfo(file).size() > 0;
}

namespace {

class DialogPagePrinter final : public PagePrinter {
public:
    void print(QTextBrowser& viewer, QWidget* parent) override
    {
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dialog(&printer, parent);
        if (dialog.exec() != QDialog::Accepted) return;
        printableDocument(*viewer.document())->print(&printer);
    }
};

} // namespace

PagePrinter& dialogPagePrinter()
{
    static DialogPagePrinter printer;
    return printer;
}

} // namespace jm::gui
