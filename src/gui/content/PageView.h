#pragma once

#include <QString>

#include <filesystem>
#include <functional>
#include <string>

class QFrame;
class QStatusBar;
class QTextBrowser;
class QToolBar;
class QWidget;

namespace jm::gui {

/// Click indices of the page windows' tool bar 工具条1: six buttons with a
/// separator between each two, so the buttons sit at the even indices.
enum PageToolItem { ToolHome = 0, ToolBack = 2, ToolForward = 4, ToolExport = 6, ToolPrint = 8, ToolExit = 10 };

/// Builds 工具条1 of a page window: "首页", "后退", "前进", "导出", "打印",
/// "退出" with separators. Only 打印 and 退出 are enabled; a window that
/// serves the other four enables them itself. `onItem` receives the click index of every triggered item.
QToolBar* createPageToolBar(QWidget* parent, std::function<void(int)> onItem);

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
