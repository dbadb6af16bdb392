#pragma once

#include <QMainWindow>

namespace jm::gui {

/// The program's main window.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

} // namespace jm::gui
