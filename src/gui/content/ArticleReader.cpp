#include "content/ArticleReader.h"

#include "content/Articles.h"
#include "content/PageView.h"
#include "scoring/Pages.h"

#include <QFrame>
#include <QHeaderView>
#include <QIcon>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>

namespace jm::gui {
namespace {

constexpr int kListLeft = 0;
constexpr int kListWidth = 232;
constexpr int kTop = 40;

} // namespace

ArticleReader::ArticleReader(NameDatabase& db, std::filesystem::path directory, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_db(db)
    , m_directory(std::move(directory))
    , m_printer(&dialogPagePrinter())
{
    setObjectName(QStringLiteral("文章阅读窗口"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("文章阅读窗口"));
    m_toolBar = createPageToolBar(this, [this](int item) { onToolbarItem(item); });
    m_rule = createToolBarRule(this);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("超级列表框_文章阅读"));
    m_list->setColumnCount(1);
    m_list->setHeaderLabels({ QStringLiteral("文章标题[点击阅读]") });
    m_list->setColumnWidth(0, 210);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->header()->setStretchLastSection(false);
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (current) showArticle();
    });

    m_viewer = createPageViewer(this, QStringLiteral("网页浏览框1"));
    m_statusBar = createPageStatusBar(this);
    resize(870, 506);
    move(50, 50);
}

void ArticleReader::showArticleList(const QString& table, const QString& category)
{
    setWindowTitle(category);
    m_table = table;
    const QIcon icon(QStringLiteral(":/icons/article.svg"));
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    for (const ArticleEntry& entry : listArticles(m_db, table.toStdString(), category.toStdString())) {
        auto* item = new QTreeWidgetItem(m_list, { QString::fromStdString(entry.title) });
        item->setIcon(0, icon);
        item->setData(0, RowRole, QVariant::fromValue<qlonglong>(entry.row));
    }
    m_list->setCurrentItem(m_list->topLevelItem(0));
    showArticle();
}

void ArticleReader::showArticle()
{
    const QTreeWidgetItem* item = m_list->currentItem();
    if (!item) return;
    const std::string title = item->text(0).toStdString();
    const long long row = item->data(0, RowRole).toLongLong();
    const std::string page = articlePage(title, articleContent(m_db, m_table.toStdString(), row));
    // The file is written for the user; the viewer shows the text it was written from.
    // A file that cannot be written costs the user only that copy.
    (void)writeGbkPage(pageFilePath(m_directory, 0), page);
    showPageText(*m_viewer, page, m_directory);
}

void ArticleReader::onToolbarItem(int item)
{
    if (item == ToolPrint)
        m_printer->print(*m_viewer, this);
    else if (item == ToolExit)
        close();
}

void ArticleReader::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();
    m_toolBar->setGeometry(0, 0, w, 28);
    m_rule->setGeometry(-8, 32, w + 10, 4);
    m_list->setGeometry(kListLeft, kTop, kListWidth, h - 70);
    m_viewer->setGeometry(kListLeft + 236, kTop, w - kListWidth - 1, h - 70);
    m_statusBar->setGeometry(0, h - 20, w, 20);
}

} // namespace jm::gui
