#pragma once

#include <QString>
#include <QWidget>

#include <filesystem>

class QFrame;
class QStatusBar;
class QTextBrowser;
class QToolBar;
class QTreeWidget;

namespace jm {
class NameDatabase;
}

namespace jm::gui {

class PagePrinter;

/// The article reader 文章阅读窗口: the titles of one category in the list
/// 超级列表框_文章阅读 on the left, the selected article in the viewer
/// 网页浏览框1 on the right. Each entry keeps the row it was listed from, so
/// two articles with the same title each show their own text. The page is
/// written to temp.html in the data directory and shown from memory.
/// Window thread only.
class ArticleReader : public QWidget {
    Q_OBJECT
public:
    /// Role of a list entry's data holding its article row.
    static constexpr int RowRole = Qt::UserRole + 1;

    ArticleReader(NameDatabase& db, std::filesystem::path directory, QWidget* parent = nullptr);

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
    /// The tool bar's click handler (8 prints, 10 closes).
    void onToolbarItem(int item);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    NameDatabase& m_db;
    std::filesystem::path m_directory;
    PagePrinter* m_printer;
    QString m_table;
    QToolBar* m_toolBar = nullptr;
    QFrame* m_rule = nullptr;
    QTreeWidget* m_list = nullptr;
    QTextBrowser* m_viewer = nullptr;
    QStatusBar* m_statusBar = nullptr;
};

} // namespace jm::gui
