#include "shell/MainWindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    jm::gui::MainWindow window;
    window.show();
    return app.exec();
}
