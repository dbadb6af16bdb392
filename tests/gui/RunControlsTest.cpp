// The run line of the generating pages (progress in per cent, 取消, how a
// run ended), the pause and export enabling, and the export of every list.
#include "generate/ExportActions.h"
#include "generate/GenerationPage.h"
#include "generate/HighScorePage.h"
#include "generate/RunStatus.h"
#include "generate/WaitingWindow.h"
#include "settings/Paths.h"
#include "shell/Application.h"
#include "shell/MainWindow.h"
#include "shell/NameListModel.h"
#include "support/ClickWhenEnabled.h"
#include "support/ListFixture.h"
#include "support/WindowSession.h"
#include "text/Text.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <QtTest>

#include <filesystem>
#include <memory>

using namespace jm;
using namespace jm::gui;
using Icon = gui::MessageService::Icon;

namespace {

using test::ClickWhenEnabled;

constexpr int kRunTimeoutMs = 60000;

struct Session : test::WindowSession {
    using WindowSession::WindowSession;

    GenerationPage& page() const { return window->generationPage(); }
    void prepare(const QString& surname, const char* modeOption)
    {
        find<QLineEdit>("编辑框_姓氏")->setText(surname);
        find<QComboBox>("组合框_性别")->setCurrentIndex(0);
        find<QComboBox>("组合框_名字个数")->setCurrentIndex(1);
        find<QRadioButton>(modeOption)->setChecked(true);
    }
    bool waitForEnd() const
    {
        QElapsedTimer timer;
        timer.start();
        while (page().isRunning() && timer.elapsed() < kRunTimeoutMs)
            QTest::qWait(5);
        return !page().isRunning();
    }
    QString status(const char* label) const { return find<QLabel>(label)->text(); }
    bool modePageReachable() const { return find<QToolBar>("工具条1")->actions().at(0)->isEnabled(); }
};

/// Rows numbered 1..n, none empty.
void verifyNumberedRows(const NameListModel& list)
{
    for (int r = 0; r < list.rowCount(); ++r) {
        QCOMPARE(list.row(r).cells[0], QString::number(r + 1));
        QVERIFY(!list.row(r).cells[1].isEmpty());
    }
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray gbk(const QString& text)
{
    return QByteArray::fromStdString(toGbk(text.toStdString()));
}

} // namespace

class RunControlsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempDir> m_dir;
    std::filesystem::path m_database;
    int m_configs = 0;

    std::filesystem::path freshConfig() { return m_dir->path() / ("config" + std::to_string(++m_configs) + ".dat"); }
    QString dataDir() const { return QString::fromStdString((m_dir->path() / "data").string()); }

private Q_SLOTS:
    void initTestCase()
    {
        startUp(*qApp);
        m_dir = std::make_unique<test::TempDir>();
        m_database = test::listFixture().write(m_dir->path() / "namedata.db");
        qputenv("JIAMING_DATA_DIR", dataDir().toUtf8());
    }

    void pausedRunShowsItsProgressAndEndsWithItsCount()
    {
        Session s(m_database, freshConfig());
        s.prepare(QStringLiteral("张"), "单选框_高分起名");
        RunStatus& line = s.window->highScorePage().runStatus();
        QPushButton* pause = s.button("按钮_高分暂停");
        QPushButton* cancel = s.button("按钮_高分取消");
        QPushButton* exportButton = s.button("按钮_高分导出");
        QVERIFY(!cancel->isEnabled());
        ClickWhenEnabled clicker(pause);
        s.button("按钮_起名")->click();
        QVERIFY(cancel->isEnabled());
        QVERIFY(!exportButton->isEnabled());
        QTRY_VERIFY(clicker.clicked || !s.page().isRunning());
        if (!s.page().isRunning()) QSKIP("the run ended before it could be paused");
        QTRY_VERIFY(s.page().isPaused());

        // Past half a second the page shows how far the run has come, in per cent.
        QTRY_VERIFY_WITH_TIMEOUT(line.isProgressShown(), 2 * RunStatus::kRevealMs);
        QVERIFY(line.percent() >= 0 && line.percent() < 100);
        QCOMPARE(s.find<QProgressBar>("进度条_高分")->format(), QStringLiteral("%p%"));

        pause->click(); // 继续
        QVERIFY(s.waitForEnd());
        QVERIFY(!line.isProgressShown());
        QCOMPARE(line.text(), QStringLiteral("共列出 10000 个名字"));
        // Nothing left to pause or cancel; the complete list can be exported.
        QVERIFY(!pause->isEnabled());
        QCOMPARE(pause->text(), QStringLiteral("暂停"));
        QVERIFY(!cancel->isEnabled());
        QVERIFY(exportButton->isEnabled());
    }

    void cancelKeepsTheListedNamesAndSaysSo()
    {
        Session s(m_database, freshConfig());
        s.prepare(QStringLiteral("张"), "单选框_高分起名");
        QPushButton* pause = s.button("按钮_高分暂停");
        ClickWhenEnabled clicker(pause);
        s.button("按钮_起名")->click();
        QTRY_VERIFY(clicker.clicked || !s.page().isRunning());
        if (!s.page().isRunning()) QSKIP("the run ended before it could be paused");
        QTRY_VERIFY(s.page().isPaused());
        const NameListModel& list = s.page().highScoreList();
        const std::vector<ListRow> shown = list.rows();
        const auto listed
            = std::count_if(shown.begin(), shown.end(), [](const ListRow& r) { return !r.cells[1].isEmpty(); });
        QVERIFY(listed > 0);

        // 取消 of a paused run: it ends at once, keeping what it had listed.
        s.button("按钮_高分取消")->click();
        QVERIFY(!s.page().isRunning());
        QCOMPARE(list.rowCount(), static_cast<int>(listed));
        verifyNumberedRows(list);
        QCOMPARE(s.status("标签_高分状态"), QStringLiteral("已取消，保留已列出的 %1 个名字").arg(listed));
        QVERIFY(s.modePageReachable());
        QVERIFY(!pause->isEnabled());
        QCOMPARE(pause->text(), QStringLiteral("暂停"));
        QVERIFY(s.button("按钮_高分导出")->isEnabled());
        QVERIFY(s.button("按钮_再生成一次")->isEnabled());
        QVERIFY(s.messages.messages.isEmpty());
    }

    void waitingWindowCancelsTheRun()
    {
        Session s(m_database, freshConfig());
        s.prepare(QStringLiteral("王"), "单选框_组合起名");
        s.button("按钮_起名")->click(); // shows the combination page
        s.page().startNextRunPaused(); // so it cannot end on its own first
        s.button("按钮_组合起名")->click();
        WaitingWindow* waiting = s.page().waitingWindow();
        QVERIFY(waiting);
        waiting->findChild<QPushButton*>(QStringLiteral("按钮_取消"))->click();
        QVERIFY(!s.page().isRunning());
        QVERIFY(!s.page().waitingWindow());
        QCOMPARE(s.status("标签_组合状态"), QStringLiteral("已取消，保留已列出的 0 个名字"));
        QVERIFY(s.button("按钮_组合起名")->isEnabled());
        QVERIFY(s.modePageReachable());
    }

    void emptyRunsSayWhyOnTheirPage_data()
    {
        QTest::addColumn<QString>("modeOption");
        QTest::addColumn<QString>("combination");
        QTest::addColumn<QString>("startButton");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("reason");
        QTest::newRow("super-lucky without a filter") << "单选框_超吉起名"
                                                      << ""
                                                      << "按钮_超吉生成"
                                                      << "标签_超吉状态"
                                                      << "没有打开任何五行限定";
        QTest::newRow("poem without a ticked character") << "单选框_诗词起名"
                                                         << ""
                                                         << "按钮_诗词起名"
                                                         << "标签_诗词状态"
                                                         << "没有勾选诗词中的字";
        QTest::newRow("combination box without characters") << "单选框_组合起名"
                                                            << "ab 王"
                                                            << "按钮_组合起名"
                                                            << "标签_组合状态"
                                                            << "除了姓氏没有别的汉字";
    }

    void emptyRunsSayWhyOnTheirPage()
    {
        QFETCH(QString, modeOption);
        QFETCH(QString, combination);
        QFETCH(QString, startButton);
        QFETCH(QString, label);
        QFETCH(QString, reason);
        Session s(m_database, freshConfig());
        s.prepare(QStringLiteral("王"), modeOption.toUtf8().constData());
        s.find<QLineEdit>("编辑框_组合的字")->setText(combination);
        s.button(startButton.toUtf8().constData())->click();
        QVERIFY(s.waitForEnd());
        QVERIFY2(
            s.status(label.toUtf8().constData()).contains(reason), qPrintable(s.status(label.toUtf8().constData())));
    }

    void everyListExports_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("high score") << "按钮_高分导出" << int(GenerationMode::HighScore) << "NameList.txt";
        QTest::newRow("super-lucky") << "按钮_超吉导出" << int(GenerationMode::SuperLucky) << "100NameList.txt";
        QTest::newRow("poem") << "按钮_诗词导出" << int(GenerationMode::Poem) << "PoemNameList.txt";
        QTest::newRow("combination") << "按钮_组合导出" << int(GenerationMode::Combination) << "ComboNameList.txt";
        QTest::newRow("nickname") << "按钮_小名导出" << int(GenerationMode::Nickname) << "NickNameList.txt";
        QTest::newRow("English") << "按钮_英文导出" << int(GenerationMode::English) << "EnglishNameList.txt";
        QTest::newRow("classic") << "按钮_经典导出" << int(GenerationMode::Classic) << "ClassNameList.txt";
    }

    void everyListExports()
    {
        QFETCH(QString, button);
        QFETCH(int, mode);
        QFETCH(QString, fileName);
        Session s(m_database, freshConfig());
        GenerationPage& page = s.page();
        QByteArray want;
        const auto m = static_cast<GenerationMode>(mode);
        if (NameListModel* list = page.scoredList(m)) {
            list->appendRows({ { { "1", "张明华", "21", "33", "火火水", "12,19,22,33,15", "木水木", "98" }, 98, {} } });
            want = gbk(QStringLiteral("编号    姓名    简体笔划    繁体笔划    五行    五格    三才    评分\r\n"
                                      "1    张明华    21    33    火火水    12,19,22,33,15    木水木    98\r\n"));
        } else if (m == GenerationMode::English) {
            page.englishList().appendRows({ { { "1", "Mark", "马克", "标记" }, 0, {} } });
            want = gbk(QStringLiteral("编号    英文名    中文读音    相关含义\r\n1    Mark    马克    标记\r\n"));
        } else {
            s.find<QPlainTextEdit>("编辑框_经典名字")->setPlainText(QStringLiteral("张博涛  张鑫磊  \n\n张浩南  "));
            want = gbk(QStringLiteral("张博涛  张鑫磊  \r\n\r\n张浩南  "));
        }
        ExportActions& exports = s.window->exportActions();
        QStringList opened, suggestions;
        QString answer;
        exports.setOpener([&](const QString& path) { opened << path; });
        exports.setChooser([&](QWidget*, const QString& suggested) {
            suggestions << suggested;
            return answer.isEmpty() ? suggested : answer;
        });
        QPushButton* exportButton = s.button(button.toUtf8().constData());

        // Saved where the user agreed (the data directory suggested), said, then opened.
        exportButton->click();
        const QString written = dataDir() + QLatin1Char('/') + fileName;
        QCOMPARE(suggestions, QStringList { written });
        QCOMPARE(fileBytes(written), want);
        QCOMPARE(s.messages.messages.size(), 1);
        QCOMPARE(s.messages.messages[0].icon, Icon::Information);
        QCOMPARE(s.messages.messages[0].text, QStringLiteral("已导出到 %1").arg(written));
        QCOMPARE(opened, QStringList { written });

        // A folder that is not there: said why, nothing opened.
        answer = QString::fromStdString((m_dir->path() / "missing" / "list.txt").string());
        exportButton->click();
        QCOMPARE(s.messages.messages.size(), 2);
        QCOMPARE(s.messages.messages[1].icon, Icon::Warning);
        QVERIFY2(s.messages.messages[1].text.startsWith(QStringLiteral("导出失败：")),
            qPrintable(s.messages.messages[1].text));
        QVERIFY(s.messages.messages[1].text.contains(QStringLiteral("missing")));
        QCOMPARE(opened.size(), 1);

        // The dialog cancelled: nothing written, nothing said.
        exports.setChooser([](QWidget*, const QString&) { return QString(); });
        exportButton->click();
        QCOMPARE(s.messages.messages.size(), 2);
    }

    void charactersOutsideGbkAreSaid()
    {
        Session s(m_database, freshConfig());
        s.page().combinationList().appendRows(
            { { { "1", QStringLiteral("张𠀀"), "21", "33", "火火水", "12,19,22,33,15", "木水木", "98" }, 98, {} } });
        ExportActions& exports = s.window->exportActions();
        exports.setOpener([](const QString&) {});
        exports.setChooser([](QWidget*, const QString& suggested) { return suggested; });
        s.button("按钮_组合导出")->click();
        QCOMPARE(s.messages.messages.size(), 1);
        QVERIFY(s.messages.messages[0].text.contains(QStringLiteral("GB18030")));
        const QByteArray bytes = fileBytes(dataDir() + QStringLiteral("/ComboNameList.txt"));
        QCOMPARE(QString::fromStdString(fromGbk(bytes.toStdString())).count(QStringLiteral("张𠀀")), 1);
    }
};

QTEST_MAIN(RunControlsTest)
#include "RunControlsTest.moc"
