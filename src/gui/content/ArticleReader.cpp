#include "content/ArticleReader.h"

#include "content/Articles.h"
#include "content/PageView.h"
#include "scoring/Pages.h"
#include "shell/MessageService.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QHeaderView>
#include <QIcon>
#include <QSplitter>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>

namespace jm::gui {
namespace {

constexpr int kListWidth = 232;
constexpr int kTop = 40;

QString askSaveFile(QWidget* parent, const QString& suggested)
{
    return QFileDialog::getSaveFileName(
        parent, QStringLiteral("导出文章"), suggested, QStringLiteral("网页文件 (*.html *.htm);;所有文件 (*)"));
}

// A title as a file name: the characters no file system takes become "_".
QString fileNameOf(const QString& title)
{
    QString name = title.trimmed();
    for (QChar& c : name)
        if (QStringLiteral("\\/:*?\"<>|").contains(c) || c.unicode() < 0x20) c = QLatin1Char('_');
    return (name.isEmpty() ? QStringLiteral("文章") : name) + QStringLiteral(".html");
}

} // namespace

ArticleReader::ArticleReader(
    NameDatabase& db, MessageService& messages, std::filesystem::path directory, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_db(db)
    , m_messages(messages)
    , m_directory(std::move(directory))
    , m_printer(&dialogPagePrinter())
    , m_chooseSaveFile(askSaveFile)
{
    setObjectName(QStringLiteral("文章阅读窗口"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("文章阅读窗口"));
    m_toolBar = createPageToolBar(
        this, [this](int item) { onToolbarItem(item); }, true, true);
    m_toolBar->actions().at(ToolExport)->setEnabled(true);
    m_rule = createToolBarRule(this);

    // The list and the viewer share a splitter: dragging its handle widens the list.
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("分隔条_文章阅读"));
    m_splitter->setHandleWidth(4);
    m_splitter->setChildrenCollapsible(false);
    m_list = new QTreeWidget(m_splitter);
    m_list->setObjectName(QStringLiteral("超级列表框_文章阅读"));
    m_list->setColumnCount(1);
    m_list->setHeaderLabels({ QStringLiteral("文章标题[点击阅读]") });
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setMinimumWidth(120);
    // The column follows the list's width; a title wider than that shows whole in its tooltip.
    m_list->header()->setStretchLastSection(true);
    m_list->headerItem()->setToolTip(0, QStringLiteral("拖动右边的分隔条可以加宽列表"));
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (current) showArticle();
    });

    m_viewer = createPageViewer(m_splitter, QStringLiteral("网页浏览框1"));
    m_splitter->addWidget(m_list);
    m_splitter->addWidget(m_viewer);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_statusBar = createPageStatusBar(this);
    resize(870, 506);
    m_splitter->setSizes({ kListWidth, width() - kListWidth - m_splitter->handleWidth() });
    move(50, 50);
    updateNavigation();
}

void ArticleReader::fillList(const QString& table, const QString& category)
{
    setWindowTitle(category);
    m_table = table;
    m_category = category;
    const QIcon icon(QStringLiteral(":/icons/article.svg"));
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    for (const ArticleEntry& entry : listArticles(m_db, table.toStdString(), category.toStdString())) {
        const QString title = QString::fromStdString(entry.title);
        auto* item = new QTreeWidgetItem(m_list, { title });
        item->setIcon(0, icon);
        item->setToolTip(0, title);
        item->setData(0, RowRole, QVariant::fromValue<qlonglong>(entry.row));
    }
}

void ArticleReader::showArticleList(const QString& table, const QString& category)
{
    fillList(table, category);
    {
        const QSignalBlocker quiet(m_list);
        m_list->setCurrentItem(m_list->topLevelItem(0));
    }
    showArticle();
}

void ArticleReader::showArticle()
{
    const QTreeWidgetItem* item = m_list->currentItem();
    if (!item) return;
    const std::string title = item->text(0).toStdString();
    const long long row = item->data(0, RowRole).toLongLong();
    m_title = item->text(0);
    m_page = articlePage(title, articleContent(m_db, m_table.toStdString(), row));
    // The file is written for the user; the viewer shows the text it was written from.
    // A file that cannot be written costs the user only that copy.
    (void)writeGbkPage(pageFilePath(m_directory, 0), m_page);
    showPageText(*m_viewer, m_page, m_directory);
    if (!m_navigating) record();
}

void ArticleReader::record()
{
    const Visit visit { m_table, m_category, m_list->currentItem()->data(0, RowRole).toLongLong() };
    if (!m_visits.empty()) {
        const Visit& shown = m_visits[m_visit];
        if (shown.table == visit.table && shown.category == visit.category && shown.row == visit.row) return;
        m_visits.resize(m_visit + 1); // reading something new drops what lay ahead
    }
    m_visits.push_back(visit);
    m_visit = m_visits.size() - 1;
    updateNavigation();
}

void ArticleReader::goTo(std::size_t index)
{
    if (index >= m_visits.size()) return;
    m_visit = index;
    const Visit visit = m_visits[index];
    m_navigating = true;
    if (visit.table != m_table || visit.category != m_category) fillList(visit.table, visit.category);
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_list->topLevelItem(i);
        if (item->data(0, RowRole).toLongLong() == visit.row) {
            {
                const QSignalBlocker quiet(m_list);
                m_list->setCurrentItem(item);
            }
            showArticle();
            break;
        }
    }
    m_navigating = false;
    updateNavigation();
}

void ArticleReader::updateNavigation()
{
    const QList<QAction*> actions = m_toolBar->actions();
    actions.at(ToolHome)->setEnabled(!m_visits.empty() && m_visit != 0);
    actions.at(ToolBack)->setEnabled(m_visit > 0);
    actions.at(ToolForward)->setEnabled(m_visit + 1 < m_visits.size());
}

void ArticleReader::exportArticle()
{
    if (m_page.empty()) return;
    const QString suggested = QDir(QString::fromStdString(m_directory.string())).filePath(fileNameOf(m_title));
    const QString file = m_chooseSaveFile(this, suggested);
    if (file.isEmpty()) return;
    if (writeGbkPage(std::filesystem::path(file.toStdString()), m_page))
        m_messages.information(this, QStringLiteral("文章已导出到：\n%1").arg(file), MessageService::hintTitle());
    else
        m_messages.warning(this, QStringLiteral("无法写入文件 %1，文章没有导出。请检查该位置是否可写。").arg(file),
            MessageService::hintTitle());
}

void ArticleReader::onToolbarItem(int item)
{
    switch (item) {
    case ToolHome:
        goTo(0);
        break;
    case ToolBack:
        if (m_visit > 0) goTo(m_visit - 1);
        break;
    case ToolForward:
        goTo(m_visit + 1);
        break;
    case ToolExport:
        exportArticle();
        break;
    case ToolPrint:
        m_printer->print(*m_viewer, this);
        break;
    case ToolExit:
        close();
        break;
    default:
        break;
    }
}

void ArticleReader::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();
    m_toolBar->setGeometry(0, 0, w, 28);
    m_rule->setGeometry(-8, 32, w + 10, 4);
    m_splitter->setGeometry(0, kTop, w, h - 70);
    m_statusBar->setGeometry(0, h - 20, w, 20);
}

} // namespace jm::gui
