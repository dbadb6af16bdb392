#pragma once

#include <QWidget>

namespace jm::gui {

/// The about window: the program's picture, its caption with the version
/// and the maker's web address. A click on the caption opens the web page.
/// Top-level and non-modal; it deletes itself when closed and does not keep
/// the program running once the main window has closed.
class AboutWindow : public QWidget {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);
};

} // namespace jm::gui
