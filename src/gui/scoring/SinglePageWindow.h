#pragma once

#include <QWidget>

#include <filesystem>
#include <string>

class QFrame;
class QStatusBar;
class QTextBrowser;
class QToolBar;

namespace jm::gui {

class PagePrinter;

/// The single-page viewer: one HTML viewer 网页浏览框1 under the page tool
/// bar (打印 prints the page, 退出 closes the window). Its opener sets the
/// caption; the design caption is "姓名详细解释". Window thread only.
class SinglePageWindow : public QWidget {
    Q_OBJECT
public:
    explicit SinglePageWindow(QWidget* parent = nullptr);

    /// Shows a UTF-8 page; its relative links resolve in `directory`.
    void showText(const std::string& utf8Page, const std::filesystem::path& directory);

    QTextBrowser& viewer() { return *m_viewer; }

    /// Replaces the print dialog (tests).
    void setPagePrinter(PagePrinter& printer) { m_printer = &printer; }
    /// The tool bar's click handler (8 prints, 10 closes).
    void onToolbarItem(int item);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    PagePrinter* m_printer;
    QToolBar* m_toolBar = nullptr;
    QFrame* m_rule = nullptr;
    QTextBrowser* m_viewer = nullptr;
    QStatusBar* m_statusBar = nullptr;
};

} // namespace jm::gui
