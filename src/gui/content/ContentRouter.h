#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <filesystem>

class QMenu;

namespace jm {
class NameDatabase;
}

namespace jm::gui {

class ArticleReader;
class DetailWindow;
class DictionaryWindow;
class MainWindow;
class MessageService;
class SinglePageWindow;

/// Routes the reference content of the main window: the article menus
/// 育儿知识 and 算命风水 (built here from `articleMenu()`) to the article
/// reader, the dictionary (tool bar item and menu item 新华字典), the help
/// item 使用帮助, and the name detail window of the lists. Each of them but
/// the manual reads the database: without it, the user is told so instead.
class ContentRouter : public QObject {
    Q_OBJECT
public:
    /// Fills the menus 育儿知识 (`parentingMenu`) and 算命风水 (`fortuneMenu`)
    /// with the article items.
    ContentRouter(
        QMenu* parentingMenu, QMenu* fortuneMenu, MainWindow& window, NameDatabase& db, MessageService& messages);

    /// The open article reader, dictionary window or detail window; null
    /// when none is open (each is destroyed when the user closes it).
    ArticleReader* articleReader() const;
    DictionaryWindow* dictionaryWindow() const;
    DetailWindow* detailWindow() const;
    /// The program's own window showing the user manual; null unless 使用帮助
    /// fell back to it and it is still open.
    SinglePageWindow* manualWindow() const;

    /// The article table (without NM_ prefix) of the category opened last;
    /// empty before the first.
    const QString& currentArticleTable() const { return m_currentArticleTable; }

public Q_SLOTS:
    /// Opens the article reader (non-modal, owned by the main window) with
    /// the articles of `category` in `table` (without NM_ prefix); an open
    /// reader is refilled in place.
    void showArticleList(const QString& table, const QString& category);
    /// Opens the dictionary window, modal and owned by the main window.
    void openDictionary();
    /// Opens the user manual with the desktop's program for it; when no
    /// program opens it, shows it in the program's own viewer. A missing
    /// manual is reported.
    void openHelp();
    /// Opens the name detail window (non-modal, owned by the main window)
    /// for the name; an open one is reused and shows only the new name's pages.
    void showNameDetail(const QString& surname, const QString& givenName);

private:
    void buildArticleMenus(QMenu* parentingMenu, QMenu* fortuneMenu);
    std::filesystem::path pageDirectory() const;

    MainWindow& m_window;
    NameDatabase& m_db;
    MessageService& m_messages;
    QString m_currentArticleTable;
    QPointer<ArticleReader> m_reader;
    QPointer<DictionaryWindow> m_dictionary;
    QPointer<DetailWindow> m_detail;
    QPointer<SinglePageWindow> m_manual;
};

} // namespace jm::gui
