#pragma once

#include <QString>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class QFrame;
class QStatusBar;
class QTextBrowser;
class QTextDocument;
class QToolBar;
class QWidget;

namespace jm::gui {

/// Click indices of the page windows' tool bar 工具条1: six buttons with a
/// separator between each two, so the buttons sit at the even indices.
enum PageToolItem { ToolHome = 0, ToolBack = 2, ToolForward = 4, ToolExport = 6, ToolPrint = 8, ToolExit = 10 };

/// Builds 工具条1 of a page window: "首页", "后退", "前进", "导出", "打印",
/// "退出" with separators. 打印 and 退出 always act. A window with a history of its own passes `history`:
/// 首页/后退/前进 are then shown (the window enables them itself); elsewhere they are hidden with their
/// separators. 导出 is shown where `exports` is set (the window enables it). `onItem` receives the click
/// index of every triggered item.
QToolBar* createPageToolBar(
    QWidget* parent, std::function<void(int)> onItem, bool exports = false, bool history = false);

/// The thin rule 分组框4 under a page window's tool bar.
QFrame* createToolBarRule(QWidget* parent);

/// The status bar 状态条1 of a page window (never written).
QStatusBar* createPageStatusBar(QWidget* parent);

/// An HTML viewer of a page window: links to web pages open in the
/// desktop's browser.
QTextBrowser* createPageViewer(QWidget* parent, const QString& objectName);

/// Shows a UTF-8 page from memory (the text its page file was written
/// from); relative links and pictures resolve in `directory`. The page is
/// handed over as text, so its charset=gb2312 meta does not matter.
void showPageText(QTextBrowser& viewer, const std::string& utf8Page, const std::filesystem::path& directory);

/// A copy of `page` for paper: every font size given in pixels (the pages'
/// style sheets) is given in points (3 px = 2.25 pt, as on a 96-dpi
/// screen), so the text has the same size on a printer of any resolution.
std::unique_ptr<QTextDocument> printableDocument(const QTextDocument& page);
/// Writes `page` to `file` as PDF through `printableDocument`; false when
/// the file cannot be written.
bool writePdf(const QTextDocument& page, const QString& file);

/// Prints the page a viewer shows. The program asks for the printer with
/// the print dialog; tests install one that records instead.
class PagePrinter {
public:
    virtual ~PagePrinter() = default;
    virtual void print(QTextBrowser& viewer, QWidget* parent) = 0;
};

/// The print dialog, then the viewer's document on the chosen printer.
PagePrinter& dialogPagePrinter();

} // namespace jm::gui
