// Saves pictures of the main window for the documentation:
//   jiaming-screenshot OUTPUT_DIR [PAGE...]
// writes OUTPUT_DIR/main-window.png (page 0) and OUTPUT_DIR/page-N.png for
// every PAGE number given; the PAGE "about" writes OUTPUT_DIR/about.png. Run it under xvfb-run or with
// QT_QPA_PLATFORM=offscreen; set JIAMING_CONFIG to a scratch file so the user's settings stay untouched.
#include "data/NameDatabase.h"
#include "shell/Application.h"
#include "shell/MainWindow.h"
#include "shell/MessageService.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>

namespace {

class SilentMessages final : public jm::gui::MessageService {
public:
    void show(QWidget*, Icon, const QString& text, const QString&) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    bool question(QWidget*, const QString&, const QString&) override { return false; }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: jiaming-screenshot OUTPUT_DIR [PAGE...]\n");
        return 2;
    }
    jm::gui::startUp(app);
    jm::NameDatabase db;
    SilentMessages messages;
    jm::gui::MainWindow window(db, messages);
    window.start();
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    QStringList pages;
    for (int i = 2; i < argc; ++i)
        pages << QString::fromLocal8Bit(argv[i]);
    int status = 0;
    QTimer::singleShot(500, &window, [&] {
        auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("高级选择夹1"));
        if (!window.grab().save(out.filePath(QStringLiteral("main-window.png")))) status = 1;
        for (const QString& page : pages) {
            if (page == QStringLiteral("about")) {
                window.openAboutWindow();
                QApplication::processEvents();
                QWidget* about = nullptr;
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (w->objectName() == QStringLiteral("关于窗口")) about = w;
                if (!about || !about->grab().save(out.filePath(QStringLiteral("about.png")))) status = 1;
                if (about) about->close();
                continue;
            }
            tabs->setCurrentIndex(page.toInt());
            QApplication::processEvents();
            if (!window.grab().save(out.filePath(QStringLiteral("page-%1.png").arg(page)))) status = 1;
        }
        tabs->setCurrentIndex(0);
        window.close();
    });
    app.exec();
    return status;
}
