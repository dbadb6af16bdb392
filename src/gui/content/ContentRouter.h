#pragma once

#include <QObject>
#include <QString>

namespace Ui {
class MainWindow;
}

namespace jm {
class NameDatabase;
}

namespace jm::gui {

class MainWindow;
class MessageService;

/// Routes the reference content of the main window: the article menus
/// 育儿知识 and 算命风水 (built here from `articleMenu()`), the dictionary
/// (tool bar item and menu item 新华字典) and the help item 使用帮助.
class ContentRouter : public QObject {
    Q_OBJECT
public:
    ContentRouter(Ui::MainWindow& ui, MainWindow& window, NameDatabase& db, MessageService& messages);

public Q_SLOTS:
    /// Opens the article reader with the articles of `category` in `table`
    /// (the table name without its NM_ prefix).
    void showArticleList(const QString& table, const QString& category);
    /// Opens the dictionary window, modal and owned by the main window.
    void openDictionary();
    /// Opens the user manual.
    void openHelp();

Q_SIGNALS:
    void articleListRequested(const QString& table, const QString& category);
    void dictionaryRequested();

private:
    void buildArticleMenus();

    Ui::MainWindow& m_ui;
    MainWindow& m_window;
    NameDatabase& m_db;
    MessageService& m_messages;
};

} // namespace jm::gui
