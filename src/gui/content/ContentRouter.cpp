#include "content/ContentRouter.h"

#include "content/ArticleMenu.h"
#include "content/ArticleReader.h"
#include "content/DictionaryWindow.h"
#include "content/Documents.h"
#include "content/UserManual.h"
#include "scoring/DetailWindow.h"
#include "scoring/SinglePageWindow.h"
#include "settings/Paths.h"
#include "shell/MainWindow.h"
#include "shell/MessageService.h"
#include <QMap>
#include <QMenu>

namespace jm::gui {

ContentRouter::ContentRouter(
    QMenu* parentingMenu, QMenu* fortuneMenu, MainWindow& window, NameDatabase& db, MessageService& messages)
    : QObject(&window)
    , m_window(window)
    , m_db(db)
    , m_messages(messages)
{
    buildArticleMenus(parentingMenu, fortuneMenu);
}

void ContentRouter::buildArticleMenus(QMenu* parentingMenu, QMenu* fortuneMenu)
{
    const QMap<QString, QMenu*> menus = {
        { QStringLiteral("育儿知识"), parentingMenu },
        { QStringLiteral("算命风水"), fortuneMenu },
    };
    QMap<QString, QMenu*> submenus;
    for (const ArticleMenuEntry& entry : articleMenu()) {
        QMenu* menu = menus.value(QString::fromUtf8(entry.menu));
        if (!menu) continue;
        if (!entry.item) {
            menu->addSeparator();
            continue;
        }
        if (entry.submenu) {
            const QString key = QString::fromUtf8(entry.menu) + QLatin1Char('/') + QString::fromUtf8(entry.submenu);
            QMenu*& sub = submenus[key];
            if (!sub) {
                sub = menu->addMenu(QString::fromUtf8(entry.submenu));
                sub->setObjectName(QStringLiteral("子菜单_") + QString::fromUtf8(entry.submenu));
            }
            menu = sub;
        }
        QAction* action = menu->addAction(QString::fromUtf8(entry.item));
        action->setObjectName(QStringLiteral("文章_") + QString::fromUtf8(entry.item));
        const QString table = QString::fromUtf8(entry.table);
        const QString category = QString::fromUtf8(entry.category);
        connect(action, &QAction::triggered, this, [this, table, category] { showArticleList(table, category); });
    }
}

ArticleReader* ContentRouter::articleReader() const
{
    return m_reader;
}

DictionaryWindow* ContentRouter::dictionaryWindow() const
{
    return m_dictionary;
}

DetailWindow* ContentRouter::detailWindow() const
{
    return m_detail;
}

std::filesystem::path ContentRouter::pageDirectory() const
{
    // Without a writable data directory the pages are shown from memory.
    return m_window.dataDirectory().value_or(jm::dataDirectory());
}

void ContentRouter::showArticleList(const QString& table, const QString& category)
{
    if (!m_window.requireDatabase(QStringLiteral("阅读文章"))) return;
    m_currentArticleTable = table;
    if (!m_reader) {
        m_reader = new ArticleReader(m_db, m_messages, pageDirectory(), &m_window);
        m_reader->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_reader->showArticleList(table, category);
    m_reader->show();
    m_reader->raise();
    m_reader->activateWindow();
}

void ContentRouter::openDictionary()
{
    if (!m_window.requireDatabase(QStringLiteral("查字典"))) return;
    if (!m_dictionary) {
        m_dictionary = new DictionaryWindow(m_db, m_messages, pageDirectory(), &m_window);
        m_dictionary->setAttribute(Qt::WA_DeleteOnClose);
        // Modal without a local event loop: the main window takes no input
        // while the dictionary is open, and the caller returns at once.
        m_dictionary->setWindowModality(Qt::ApplicationModal);
    }
    m_dictionary->show();
    m_dictionary->raise();
    m_dictionary->activateWindow();
}

void ContentRouter::openHelp()
{
    const std::filesystem::path manual = userManualPath();
    const QString file = QString::fromStdString(manual.string());
    if (openDocument(file)) return;
    // No program of the desktop opened it: the program's own viewer shows it.
    const std::optional<std::string> text = readFileBytes(manual);
    if (!text) {
        m_messages.warning(&m_window, QStringLiteral("找不到用户手册 %1。").arg(file), MessageService::hintTitle());
        return;
    }
    if (!m_manual) {
        m_manual = new SinglePageWindow(&m_window);
        m_manual->setAttribute(Qt::WA_DeleteOnClose);
        m_manual->setWindowTitle(QStringLiteral("用户手册"));
        m_manual->resize(800, 600);
    }
    m_manual->showText(*text, manual.parent_path());
    m_manual->show();
    m_manual->raise();
    m_manual->activateWindow();
}

SinglePageWindow* ContentRouter::manualWindow() const
{
    return m_manual;
}

void ContentRouter::showNameDetail(const QString& surname, const QString& givenName)
{
    if (!m_window.requireDatabase(QStringLiteral("查看名字的详细解释"))) return;
    if (!m_detail) {
        m_detail = new DetailWindow(m_db, pageDirectory(), &m_window);
        m_detail->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_detail->showName(surname, givenName);
}

} // namespace jm::gui
