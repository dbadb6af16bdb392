#include "scoring/DetailWindow.h"

#include "content/PageView.h"
#include "scoring/NameAnalysis.h"
#include "scoring/Pages.h"
#include "text/Text.h"

#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>

namespace jm::gui {
namespace {

const QString kCaption = QStringLiteral("姓名详细解释");

} // namespace

DetailWindow::DetailWindow(NameDatabase& db, std::filesystem::path directory, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_db(db)
    , m_directory(std::move(directory))
    , m_printer(&dialogPagePrinter())
{
    setObjectName(QStringLiteral("姓名详细解释窗口"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(kCaption);
    m_toolBar = createPageToolBar(
        this, [this](int item) { onToolbarItem(item); }, true);
    m_chooseExport = [](QWidget* owner, const QString& suggested) {
        return QFileDialog::getSaveFileName(
            owner, QStringLiteral("导出"), suggested, QStringLiteral("网页文件 (*.html *.htm);;PDF 文件 (*.pdf)"));
    };
    m_rule = createToolBarRule(this);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("高级选择夹1"));
    const QString titles[6] = { kCaption, QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
        QStringLiteral("4"), QStringLiteral("5") };
    for (int i = 0; i < 6; ++i) {
        auto* page = new QWidget(m_tabs);
        m_viewers[static_cast<std::size_t>(i)] = createPageViewer(page, QStringLiteral("网页浏览框%1").arg(i + 1));
        m_tabs->addTab(page, titles[i]);
        m_tabs->setTabVisible(i, i == 0);
    }
    m_statusBar = createPageStatusBar(this);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int page) {
        // The report is loaded when the name is shown; the other pages each
        // time they are selected.
        if (page >= 1) loadPage(page);
    });
    resize(760, 560);
}

void DetailWindow::showName(const QString& surname, const QString& givenName)
{
    const std::string s = surname.toStdString();
    const std::string g = givenName.toStdString();
    if (isBlank(s + g)) return;
    m_pages = {};

    // The pages are kept here and shown from here; their files are written
    // for the user (a page whose file cannot be written is shown all the same).
    const auto keep = [this](int page, std::string text) {
        (void)writeGbkPage(pageFilePath(m_directory, page), text);
        m_pages[static_cast<std::size_t>(page)] = std::move(text);
    };
    keep(0, reportPage(analyseName(m_db, s, g)));

    // Pages of an earlier name must not stay behind.
    m_tabs->setCurrentIndex(0);
    for (int i = 1; i <= 5; ++i) {
        m_tabs->setTabVisible(i, false);
        m_viewers[static_cast<std::size_t>(i)]->clear();
    }
    const std::vector<std::string> characters = splitCharacters(s + g);
    for (std::size_t i = 0; i < characters.size() && i < 4; ++i) {
        const int page = static_cast<int>(i) + 1;
        keep(page, characterPage(m_db, characters[i]));
        m_tabs->setTabText(page, QString::fromStdString(characters[i]));
        m_tabs->setTabVisible(page, true);
    }
    keep(5, surnamePage(m_db, s));
    m_tabs->setTabText(5, QStringLiteral("姓氏起源"));
    m_tabs->setTabVisible(5, true);

    m_name = surname + givenName;
    setWindowTitle(surname + givenName + kCaption);
    loadPage(0);
    show();
    raise();
    activateWindow();
}

void DetailWindow::loadPage(int page)
{
    const auto i = static_cast<std::size_t>(page);
    showPageText(*m_viewers[i], m_pages[i], m_directory);
}

void DetailWindow::onToolbarItem(int item)
{
    if (item == ToolExport)
        exportPage();
    else if (item == ToolPrint)
        m_printer->print(*m_viewers[static_cast<std::size_t>(m_tabs->currentIndex())], this);
    else if (item == ToolExit)
        close();
}

void DetailWindow::exportPage()
{
    const int page = m_tabs->currentIndex();
    const QString suggested
        = QDir(QString::fromStdString(m_directory.string())).filePath((m_name.isEmpty() ? kCaption : m_name) + ".html");
    const QString file = m_chooseExport(this, suggested);
    if (file.isEmpty()) return;
    const bool pdf = file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
    const bool written = pdf
        ? writePdf(*m_viewers[static_cast<std::size_t>(page)]->document(), file)
        : writeGbkPage(std::filesystem::path(file.toStdU16String()), m_pages[static_cast<std::size_t>(page)]).ok();
    const QString shown = QDir::toNativeSeparators(file);
    m_statusBar->showMessage(
        written ? QStringLiteral("已导出到 %1").arg(shown) : QStringLiteral("导出失败：无法写入 %1").arg(shown));
}

QString DetailWindow::statusText() const
{
    return m_statusBar->currentMessage();
}

void DetailWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutControls();
}

void DetailWindow::layoutControls()
{
    const int w = width();
    const int h = height();
    m_toolBar->setGeometry(0, 0, w, 28);
    m_rule->setGeometry(-8, 32, w + 10, 4);
    m_tabs->setGeometry(0, 40, w - 1, h - 70);
    for (QTextBrowser* viewer : m_viewers)
        viewer->setGeometry(0, 0, w - 8, h - 104);
    m_statusBar->setGeometry(0, h - 20, w, 20);
}

} // namespace jm::gui
