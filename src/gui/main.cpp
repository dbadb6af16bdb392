#include "data/NameDatabase.h"
#include "shell/Application.h"
#include "shell/MainWindow.h"
#include "shell/MessageService.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    jm::gui::startUp(app);
    jm::NameDatabase db;
    jm::gui::QtMessageService messages;
    jm::gui::MainWindow window(db, messages);
    window.start();
    return app.exec();
}
