// Saves pictures of the main window for the documentation:
//   jiaming-screenshot OUTPUT_DIR [PAGE...]
// writes OUTPUT_DIR/main-window.png (page 0) and OUTPUT_DIR/page-N.png for
// every PAGE number given; the PAGE "about" writes OUTPUT_DIR/about.png, "detail" the name detail window
// (detail-window.png), "articles" the article reader (article-reader.png), "dictionary" the dictionary
// window after looking up 龍嘉 (dictionary-window.png) with the page of 龍 (dictionary.png), and
// "highscore", "superlucky", "poem", "combination", "nickname", "english" and "classic" the page of
// that mode after a run for the surname 林 (high-score.png, super-lucky.png, poem.png, ...). Run it under xvfb-run or
// with QT_QPA_PLATFORM=offscreen; set JIAMING_CONFIG to a scratch file so the user's settings stay untouched.
#include "content/ArticleReader.h"
#include "content/ContentRouter.h"
#include "content/DictionaryWindow.h"
#include "data/NameDatabase.h"
#include "generate/GenerationPage.h"
#include "scoring/DetailWindow.h"
#include "scoring/SinglePageWindow.h"
#include "shell/Application.h"
#include "shell/MainWindow.h"
#include "shell/MessageService.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>
#include <vector>

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
            jm::gui::ContentRouter& content = window.contentRouter();
            const auto save = [&](QWidget* w, const char* file) {
                QApplication::processEvents();
                if (!w || !w->grab().save(out.filePath(QString::fromUtf8(file)))) status = 1;
                if (w) w->close();
            };
            if (!page.front().isDigit() && page != QStringLiteral("about")) db.waitUntilReady();
            const auto click = [&](const char* name) {
                if (auto* button = window.findChild<QPushButton*>(QString::fromUtf8(name)))
                    button->click();
                else
                    status = 1;
            };
            // A run of one mode for the surname 林, started as a user does, then the page after it.
            const auto runMode = [&](const char* option, const std::vector<const char*>& buttons, const char* file) {
                window.findChild<QLineEdit*>(QStringLiteral("编辑框_姓氏"))->setText(QStringLiteral("林"));
                window.findChild<QComboBox*>(QStringLiteral("组合框_名字个数"))->setCurrentIndex(1);
                window.findChild<QRadioButton*>(QString::fromUtf8(option))->setChecked(true);
                for (const char* button : buttons) {
                    click(button);
                    QApplication::processEvents();
                }
                QElapsedTimer timer;
                timer.start();
                while (window.generationPage().isRunning() && timer.elapsed() < 120000)
                    QApplication::processEvents(QEventLoop::AllEvents, 20);
                QApplication::processEvents();
                const bool saved = window.grab().save(out.filePath(QString::fromUtf8(file)));
                if (window.generationPage().isRunning() || !saved) status = 1;
            };
            window.findChild<QLineEdit*>(QStringLiteral("编辑框_姓氏"))->setText(QStringLiteral("林"));
            if (page == QStringLiteral("highscore")) {
                runMode("单选框_高分起名", { "按钮_起名" }, "high-score.png");
                continue;
            }
            if (page == QStringLiteral("superlucky")) {
                // Second character 木, third 水: a few minutes of work cut to seconds.
                window.findChild<QRadioButton*>(QStringLiteral("单选框_超吉起名"))->setChecked(true);
                click("按钮_起名");
                for (const char* box : { "选择框_第二个字五行限定", "选择框_第三个字五行限定" })
                    window.findChild<QCheckBox*>(QString::fromUtf8(box))->click();
                window.findChild<QCheckBox*>(QStringLiteral("选择框_木0"))->setChecked(true);
                window.findChild<QCheckBox*>(QStringLiteral("选择框_水1"))->setChecked(true);
                runMode("单选框_超吉起名", { "按钮_超吉生成" }, "super-lucky.png");
                continue;
            }
            if (page == QStringLiteral("poem")) {
                // The first poet's first poem, with the characters it marks.
                runMode("单选框_诗词起名", { "按钮_起名", "按钮2", "按钮_诗词起名" }, "poem.png");
                continue;
            }
            if (page == QStringLiteral("combination")) {
                runMode("单选框_组合起名", { "按钮_起名", "按钮_组合起名" }, "combination.png");
                continue;
            }
            if (page == QStringLiteral("nickname")) {
                runMode("单选框_起小名", { "按钮_起名", "按钮_起小名" }, "nickname.png");
                continue;
            }
            if (page == QStringLiteral("english")) {
                window.findChild<QRadioButton*>(QStringLiteral("单选框_起英文名"))->setChecked(true);
                click("按钮_起名");
                window.findChild<QLineEdit*>(QStringLiteral("编辑框_英文名字"))->setText(QStringLiteral("嘉铭"));
                runMode("单选框_起英文名", { "按钮_英文起名" }, "english.png");
                continue;
            }
            if (page == QStringLiteral("classic")) {
                runMode("单选框_经典起名", { "按钮_起名" }, "classic.png");
                continue;
            }
            if (page == QStringLiteral("detail")) {
                content.showNameDetail(QStringLiteral("林"), QStringLiteral("嘉铭"));
                content.detailWindow()->resize(820, 640);
                save(content.detailWindow(), "detail-window.png");
                continue;
            }
            if (page == QStringLiteral("articles")) {
                content.showArticleList(QStringLiteral("算命风水"), QStringLiteral("起名知识"));
                save(content.articleReader(), "article-reader.png");
                continue;
            }
            if (page == QStringLiteral("dictionary")) {
                content.openDictionary();
                jm::gui::DictionaryWindow* dictionary = content.dictionaryWindow();
                // Two characters, the first traditional: listed one by one, 龍 under 龙. The page
                // window first: closing the dictionary window closes its page window too.
                dictionary->findChild<QLineEdit*>(QStringLiteral("编辑框1"))->setText(QStringLiteral("龍嘉"));
                dictionary->findChild<QPushButton*>(QStringLiteral("按钮_查询"))->click();
                if (dictionary->pageWindow()) dictionary->pageWindow()->resize(640, 480);
                save(dictionary->pageWindow(), "dictionary.png");
                save(dictionary, "dictionary-window.png");
                continue;
            }
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
