#include "shell/MainWindow.h"

namespace jm::gui {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("嘉名"));
    resize(729, 513);
}

} // namespace jm::gui
