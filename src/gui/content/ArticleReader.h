#pragma once

#include <QString>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class QFrame;
class QSplitter;
class QStatusBar;
class QTextBrowser;
class QToolBar;
class QTreeWidget;

namespace jm {
class NameDatabase;
}

namespace jm::gui {

class MessageService;
class PagePrinter;

/// The article reader 文章阅读窗口: the titles of one category in the list
/// 超级列表框_文章阅读 on the left, the selected article in the viewer
/// 网页浏览框1 on the right. Each entry keeps the row it was listed from, so
/// two articles with the same title each show their own text. The page is
/// written to temp.html in the data directory and shown from memory. The
/// list and the viewer share a splitter, so the list can be widened; each
/// title's whole text is also its tooltip. 首页, 后退 and 前进 move through the
/// articles read in this window (首页 is the first of them); 导出 saves the
/// shown article as an HTML page where the user chooses. Window thread only.
class ArticleReader : public QWidget {
    Q_OBJECT
public:
    /// Role of a list entry's data holding its article row.
    static constexpr int RowRole = Qt::UserRole + 1;

    /// Asks where to save an exported article, given the suggested file;
    /// an empty answer cancels.
    using SaveFileChooser = std::function<QString(QWidget* parent, const QString& suggested)>;

    /// `directory` receives the page (temp.html) and is where 导出 suggests
    /// saving. The database and the message service must outlive the window.
    ArticleReader(
        NameDatabase& db, MessageService& messages, std::filesystem::path directory, QWidget* parent = nullptr);

    /// Lists the articles of `category` in `table` (without the NM_ prefix),
    /// in database order; a category without articles lists one empty entry.
    /// The caption becomes the category; the first entry is selected and shown.
    void showArticleList(const QString& table, const QString& category);
    /// Shows the article of the selected entry: its title from the list, its
    /// content from its row of `currentArticleTable`.
    void showArticle();
    /// The table of the listed category.
    const QString& currentArticleTable() const { return m_table; }

    /// Replaces the print dialog (tests).
    void setPagePrinter(PagePrinter& printer) { m_printer = &printer; }
    /// Replaces the save dialog of 导出 (tests).
    void setSaveFileChooser(SaveFileChooser chooser) { m_chooseSaveFile = std::move(chooser); }
    /// The tool bar's click handler: 0 首页, 2 后退, 4 前进, 6 导出, 8 prints, 10 closes.
    void onToolbarItem(int item);
    /// Saves the shown article as an HTML page (GBK, like temp.html) in the
    /// file the user chooses; reports the saved file or the failure.
    void exportArticle();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    /// One article read in this window.
    struct Visit {
        QString table;
        QString category;
        long long row;
    };

    void fillList(const QString& table, const QString& category);
    void record();
    void goTo(std::size_t visit);
    void updateNavigation();

    NameDatabase& m_db;
    MessageService& m_messages;
    std::filesystem::path m_directory;
    PagePrinter* m_printer;
    SaveFileChooser m_chooseSaveFile;
    QString m_table;
    QString m_category;
    std::string m_page; ///< the page shown, UTF-8
    QString m_title;
    std::vector<Visit> m_visits;
    std::size_t m_visit = 0; ///< index of the shown article in m_visits
    bool m_navigating = false;
    QSplitter* m_splitter = nullptr;
    QToolBar* m_toolBar = nullptr;
    QFrame* m_rule = nullptr;
    QTreeWidget* m_list = nullptr;
    QTextBrowser* m_viewer = nullptr;
    QStatusBar* m_statusBar = nullptr;
};

} // namespace jm::gui
