#pragma once

#include <QWidget>

#include <array>
#include <filesystem>
#include <functional>
#include <string>

class QFrame;
class QStatusBar;
class QTabWidget;
class QTextBrowser;
class QToolBar;

namespace jm {
class NameDatabase;
}

namespace jm::gui {

class PagePrinter;

/// The name detail window 姓名详细解释: six tab pages of 高级选择夹1, each
/// with an HTML viewer (网页浏览框1 … 网页浏览框6). Page 0 shows the score
/// report (temp.html), pages 1 to 4 the dictionary pages of the name's
/// characters (temp1.html … temp4.html), page 5 the surname page
/// (temp5.html), all in the data directory. Tool bar: 打印 prints the page
/// on show, 退出 closes the window.
///
/// One window serves every name: `showName` rewrites the pages and shows
/// only those of the new name. Window thread only.
class DetailWindow : public QWidget {
    Q_OBJECT
public:
    /// `directory` receives the page files. The database must outlive the window.
    DetailWindow(NameDatabase& db, std::filesystem::path directory, QWidget* parent = nullptr);

    /// Analyses the name once, writes its report and the pages of its first
    /// four characters and of the surname, shows page 0 and makes visible the
    /// pages of this name only. Every page is shown from the text it was
    /// written from, also when its file cannot be written. The caption is the name followed by
    /// "姓名详细解释". Shows and raises the window. A blank name does nothing.
    void showName(const QString& surname, const QString& givenName);

    /// Replaces the print dialog (tests).
    void setPagePrinter(PagePrinter& printer) { m_printer = &printer; }

    /// The tool bar's click handler (6 exports, 8 prints, 10 closes).
    void onToolbarItem(int item);
    /// Asks where 导出 saves the page on show: gets the suggested path,
    /// returns the chosen one (empty: cancelled). The program asks with a
    /// save dialog; tests answer themselves.
    using ExportChooser = std::function<QString(QWidget* parent, const QString& suggested)>;
    void setExportChooser(ExportChooser chooser) { m_chooseExport = std::move(chooser); }
    /// 导出: saves the page on show as GBK HTML, or as PDF when the chosen
    /// name ends in ".pdf" (suggested: the data directory, the name shown);
    /// the status bar says where it went or that it failed.
    void exportPage();
    /// What the status bar says now.
    QString statusText() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void loadPage(int page);
    void layoutControls();

    NameDatabase& m_db;
    std::filesystem::path m_directory;
    PagePrinter* m_printer;
    QToolBar* m_toolBar = nullptr;
    QFrame* m_rule = nullptr;
    QTabWidget* m_tabs = nullptr;
    std::array<QTextBrowser*, 6> m_viewers {};
    QStatusBar* m_statusBar = nullptr;
    /// The six pages of the name shown (UTF-8 HTML), as written to their files.
    std::array<std::string, 6> m_pages;
    QString m_name;
    ExportChooser m_chooseExport;
};

} // namespace jm::gui
