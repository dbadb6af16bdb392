#include "content/ContentRouter.h"

#include "content/ArticleMenu.h"
#include "shell/MainWindow.h"
#include "ui_MainWindow.h"

#include <QMap>

namespace jm::gui {

ContentRouter::ContentRouter(Ui::MainWindow& ui, MainWindow& window, NameDatabase& db, MessageService& messages)
    : QObject(&window)
    , m_ui(ui)
    , m_window(window)
    , m_db(db)
    , m_messages(messages)
{
    buildArticleMenus();
    connect(ui.菜单项_使用帮助, &QAction::triggered, this, &ContentRouter::openHelp);
}

void ContentRouter::buildArticleMenus()
{
    const QMap<QString, QMenu*> menus = {
        { QStringLiteral("育儿知识"), m_ui.菜单_育儿知识 },
        { QStringLiteral("算命风水"), m_ui.菜单_算命风水 },
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

void ContentRouter::showArticleList(const QString& table, const QString& category)
{
    Q_EMIT articleListRequested(table, category);
}

void ContentRouter::openDictionary()
{
    Q_EMIT dictionaryRequested();
}

void ContentRouter::openHelp() { }

} // namespace jm::gui
