#include "data/NameDatabase.h"
#include "generate/GenerationCharacterDialog.h"
#include "generate/GenerationPage.h"
#include "generate/WaitingWindow.h"
#include "scoring/RecordsPage.h"
#include "scoring/ScoringPage.h"
#include "settings/Settings.h"
#include "shell/Application.h"
#include "shell/MainWindow.h"
#include "shell/MessageService.h"
#include "shell/NameListModel.h"
#include "support/ClickWhenEnabled.h"
#include "support/ListFixture.h"
#include "support/RecordingMessageService.h"
#include "support/WindowSession.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>

#include <filesystem>
#include <memory>

using namespace jm;
using namespace jm::gui;
using Icon = gui::MessageService::Icon;

namespace {

using test::ClickWhenEnabled;

constexpr int kRunTimeoutMs = 60000;

std::size_t threadCount()
{
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/task"))
        ++n;
    return n;
}

/// One run of the program over a database file, with its settings file.
struct Session : test::WindowSession {
    using WindowSession::WindowSession;

    GenerationPage& page() const { return window->generationPage(); }
    NameListModel& highScores() const { return page().highScoreList(); }
    int currentPage() const { return find<QTabWidget>("高级选择夹1")->currentIndex(); }
    QAction* modePageTool() const { return find<QToolBar>("工具条1")->actions().at(0); }
    QAction* modePageMenu() const { return find<QAction>("菜单项_模式选择"); }

    /// Surname, sex 男, two-character names, the given mode checked.
    void prepare(const QString& surname, const char* modeOption = "单选框_高分起名")
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
    QStringList names(const NameListModel& list) const
    {
        QStringList out;
        for (const ListRow& row : list.rows())
            out << row.cells[1];
        return out;
    }
};

/// Every row a finished run leaves: numbered 1..n, the surname first, a
/// score of at least `threshold`, highest score first, no empty row.
void verifyFinishedList(const NameListModel& list, const QString& surname, int threshold)
{
    int previous = 101;
    for (int r = 0; r < list.rowCount(); ++r) {
        const ListRow& row = list.row(r);
        QCOMPARE(row.cells[0], QString::number(r + 1));
        QVERIFY2(row.cells[1].startsWith(surname) && row.cells[1].size() > surname.size(), qPrintable(row.cells[1]));
        const int score = row.cells[7].toInt();
        QVERIFY2(score >= threshold, qPrintable(row.cells.join(QLatin1Char(' '))));
        QVERIFY(score <= previous);
        previous = score;
    }
}

template <typename T> T* child(const QObject* parent, const char* name)
{
    T* found = parent->findChild<T*>(QString::fromUtf8(name));
    if (!found) qFatal("no control %s", name);
    return found;
}

} // namespace

class GenerationRunTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempDir> m_dir;
    std::filesystem::path m_database;
    int m_configs = 0;

    std::filesystem::path freshConfig() { return m_dir->path() / ("config" + std::to_string(++m_configs) + ".dat"); }

private Q_SLOTS:
    void initTestCase()
    {
        startUp(*qApp);
        m_dir = std::make_unique<test::TempDir>();
        m_database = test::listFixture().write(m_dir->path() / "namedata.db");
        qputenv("JIAMING_DATA_DIR", QByteArray::fromStdString((m_dir->path() / "data").string()));
    }

    void highScoreRunFillsItsListAndUnlocksAtTheEnd()
    {
        Session s(m_database, freshConfig());
        s.prepare(QStringLiteral("张"));
        s.button("按钮_起名")->click();

        // The run is under way: page 1, the mode page locked, the waiting window up.
        QVERIFY(s.page().isRunning());
        QCOMPARE(s.currentPage(), 1);
        QVERIFY(!s.modePageTool()->isEnabled());
        QVERIFY(!s.modePageMenu()->isEnabled());
        QVERIFY(!s.button("按钮_再生成一次")->isEnabled());
        QVERIFY(!s.button("按钮_高分暂停")->isEnabled());
        QVERIFY(!s.button("按钮_高分导出")->isEnabled());
        WaitingWindow* waiting = s.page().waitingWindow();
        QVERIFY(waiting);
        QCOMPARE(waiting->windowTitle(), QStringLiteral("请稍等"));
        QVERIFY(waiting->parentWidget() == s.window.get());
        QVERIFY(!waiting->isModal());
        QVERIFY(waiting->findChild<QLabel*>(QStringLiteral("标签_请稍等"))->text()
            == QStringLiteral("正在生成,请稍等一下.."));

        QVERIFY(s.waitForEnd());
        QVERIFY(!s.page().waitingWindow());
        QCOMPARE(s.highScores().rowCount(), 10000); // the fixture has far more than 10000 names of 90 and more
        verifyFinishedList(s.highScores(), QStringLiteral("张"), 90);
        QVERIFY(s.modePageTool()->isEnabled());
        QVERIFY(s.modePageMenu()->isEnabled());
        QVERIFY(s.button("按钮_再生成一次")->isEnabled());
        QVERIFY(!s.button("按钮_高分暂停")->isEnabled()); // nothing left to pause
        QVERIFY(s.button("按钮_高分导出")->isEnabled());
        QCOMPARE(s.page().lastSurname(), QStringLiteral("张"));
        QVERIFY(s.messages.messages.isEmpty());

        // The same surname again: the earlier list stays and nothing runs.
        const QStringList before = s.names(s.highScores());
        s.window->showPage(0);
        s.button("按钮_起名")->click();
        QVERIFY(!s.page().isRunning());
        QCOMPARE(s.currentPage(), 1);
        QCOMPARE(s.names(s.highScores()), before);

        // "不满意?再生成一次" starts anew with the same surname.
        s.button("按钮_再生成一次")->click();
        QVERIFY(s.page().isRunning());
        QVERIFY(s.waitForEnd());
        QCOMPARE(s.highScores().rowCount(), 10000);
        QVERIFY(s.names(s.highScores()) != before);
    }

    void aNewSurnameStopsTheActiveRunAndStartsAnew()
    {
        Session s(m_database, freshConfig());
        s.prepare(QStringLiteral("张"));
        // The mode page is locked while the run goes on; a pause opens it.
        ClickWhenEnabled pauser(s.button("按钮_高分暂停"));
        s.button("按钮_起名")->click();
        QVERIFY(s.page().isRunning());
        QVERIFY(!s.button("按钮_起名")->isEnabled());
        QTRY_VERIFY(s.page().isPaused() || !s.page().isRunning());
        if (!s.page().isRunning()) QSKIP("the run ended before it could be paused");
        QVERIFY(s.button("按钮_起名")->isEnabled());
        QSignalSpy finished(&s.page(), &GenerationPage::runFinished);

        s.find<QLineEdit>("编辑框_姓氏")->setText(QStringLiteral("欧阳"));
        s.button("按钮_起名")->click();
        // The first run was taken in completely before the second began.
        QCOMPARE(finished.size(), 1);
        QVERIFY(s.page().isRunning());
        QVERIFY(s.waitForEnd());
        QCOMPARE(finished.size(), 2);
        QVERIFY(s.highScores().rowCount() > 0);
        verifyFinishedList(s.highScores(), QStringLiteral("欧阳"), 90);
        QCOMPARE(s.page().listSurname(GenerationMode::HighScore), QStringLiteral("欧阳"));
    }

    void startButtonOfTheOtherModes_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("page");
        QTest::newRow("poem") << "单选框_诗词起名" << 2;
        QTest::newRow("combination") << "单选框_组合起名" << 3;
        QTest::newRow("nickname") << "单选框_起小名" << 4;
        QTest::newRow("English") << "单选框_起英文名" << 5;
        QTest::newRow("super-lucky") << "单选框_超吉起名" << 9;
    }
    void startButtonOfTheOtherModes()
    {
        QFETCH(QString, option);
        QFETCH(int, page);
        Session s(m_database, freshConfig());
        GenerationPage& p = s.page();
        const ListRow stale { { "1", "王某" }, 0, {} };
        for (NameListModel* list : { &p.combinationList(), &p.nicknameList(), &p.englishList(), &p.superLuckyList() })
            list->appendRow(stale);
        // While a run is active the mode page is locked, so its button starts nothing.
        s.prepare(QStringLiteral("张"));
        p.startNextRunPaused();
        s.button("按钮_起名")->click();
        QTRY_VERIFY(p.isPaused());
        QVERIFY(!s.modePageMenu()->isEnabled());
        p.stopRun();
        QTRY_VERIFY(!p.isRunning());
        QSignalSpy opened(&p, &GenerationPage::modePageOpened);

        s.prepare(QStringLiteral("李"), option.toUtf8().constData());
        s.button("按钮_起名")->click();
        QCOMPARE(s.currentPage(), page);
        QVERIFY(s.messages.messages.isEmpty());
        switch (page) {
        case 2:
            QCOMPARE(opened.size(), 1);
            break;
        case 3:
            QCOMPARE(p.combinationList().rowCount(), 0);
            break;
        case 4:
            QCOMPARE(p.nicknameList().rowCount(), 0);
            break;
        case 5:
            QCOMPARE(s.find<QLineEdit>("编辑框_英文姓氏")->text(), QStringLiteral("李"));
            QCOMPARE(p.englishList().rowCount(), 0);
            break;
        case 9:
            // A new surname empties the list but starts nothing.
            QCOMPARE(opened.size(), 1);
            QCOMPARE(p.superLuckyList().rowCount(), 0);
            QVERIFY(!p.isRunning());
            QCOMPARE(p.lastSurname(), QStringLiteral("李"));
            QCOMPARE(s.button("按钮_超吉暂停")->text(), QStringLiteral("暂停"));
            QVERIFY(s.button("按钮_超吉生成")->isEnabled());
            break;
        }
    }

    void inputMistakesAreReported()
    {
        Session s(m_database, freshConfig());
        s.prepare(QString());
        s.button("按钮_起名")->click();
        QVERIFY(!s.page().isRunning());
        QCOMPARE(s.messages.messages.size(), 1);
        QCOMPARE(s.messages.messages[0].text, QStringLiteral("请输入姓氏!"));
        QCOMPARE(s.messages.messages[0].icon, Icon::Information);
        QCOMPARE(s.messages.messages[0].title, QStringLiteral("提示"));

        // The English page checks its own boxes.
        s.page().englishList().appendRow({ { "1", "Tom" }, 0, {} });
        s.find<QLineEdit>("编辑框_英文姓氏")->clear();
        s.find<QLineEdit>("编辑框_英文名字")->setText(QStringLiteral("明"));
        s.button("按钮_英文起名")->click();
        s.find<QLineEdit>("编辑框_英文姓氏")->setText(QStringLiteral("李"));
        s.find<QLineEdit>("编辑框_英文名字")->clear();
        s.button("按钮_英文起名")->click();
        QCOMPARE(s.messages.messages.size(), 3);
        QCOMPARE(s.messages.messages[1].text, QStringLiteral("请输入姓氏"));
        QCOMPARE(s.messages.messages[2].text, QStringLiteral("请输入名字"));
        for (int i : { 1, 2 }) {
            QCOMPARE(s.messages.messages[i].title, QStringLiteral("提示"));
            QCOMPARE(s.messages.messages[i].icon, Icon::None);
        }
        QCOMPARE(s.page().englishList().rowCount(), 1);

        // A page's own button with an empty surname: said, and no run lists names without a surname.
        s.prepare(QString());
        s.button("按钮_再生成一次")->click();
        QVERIFY(s.waitForEnd());
        QCOMPARE(s.messages.messages.size(), 4);
        QCOMPARE(s.messages.messages[3].text, QStringLiteral("请输入姓氏"));
        QCOMPARE(s.messages.messages[3].icon, Icon::None);
        QCOMPARE(s.highScores().rowCount(), 0);
    }

    void pauseAndResume()
    {
        Session s(m_database, freshConfig());
        s.prepare(QStringLiteral("张"));
        QPushButton* pause = s.button("按钮_高分暂停");
        QPushButton* exportButton = s.button("按钮_高分导出");
        // Pause the moment the button is usable: the first name is listed and
        // the worker is busy with the rest (polling would often come too late).
        ClickWhenEnabled clicker(pause);
        s.button("按钮_起名")->click();
        QTRY_VERIFY(clicker.clicked || !s.page().isRunning());
        if (!s.page().isRunning()) QSKIP("the run ended before it could be paused");
        QCOMPARE(pause->text(), QStringLiteral("继续"));
        QVERIFY(exportButton->isEnabled());
        QVERIFY(s.modePageTool()->isEnabled()); // the mode page can be reached again ...
        QVERIFY(!s.modePageMenu()->isEnabled()); // ... through the tool bar only
        QTRY_VERIFY(s.page().isPaused());

        // Parked: nothing more arrives.
        const auto named = [&s] {
            const std::vector<ListRow> rows = s.highScores().rows();
            return static_cast<int>(
                std::count_if(rows.begin(), rows.end(), [](const ListRow& r) { return !r.cells[1].isEmpty(); }));
        };
        const int listed = named();
        QTest::qWait(100);
        QVERIFY(s.page().isRunning());
        QCOMPARE(named(), listed);
        QCOMPARE(s.highScores().rowCount(), 10001); // the empty rows are still there

        pause->click();
        QCOMPARE(pause->text(), QStringLiteral("暂停"));
        QVERIFY(!exportButton->isEnabled());
        QVERIFY(s.waitForEnd());
        QCOMPARE(s.highScores().rowCount(), 10000);
        verifyFinishedList(s.highScores(), QStringLiteral("张"), 90);
        QVERIFY(exportButton->isEnabled());
        QVERIFY(s.modePageMenu()->isEnabled());
    }

    void exitDuringARunStopsTheWorkerBeforeTheDatabaseCloses()
    {
        const std::size_t threadsBefore = threadCount();
        Session s(m_database, freshConfig());
        s.prepare(QStringLiteral("张"));
        bool openAtEnd = false;
        connect(&s.page(), &GenerationPage::runFinished, &s.page(),
            [&](GenerationMode, bool stopped) { openAtEnd = stopped && s.db.isOpen(); });
        s.button("按钮_起名")->click();
        QVERIFY(s.page().isRunning());
        s.window->close();
        QVERIFY(!s.page().isRunning());
        QVERIFY(openAtEnd);
        QVERIFY(!s.db.isOpen());
        QVERIFY(!s.page().waitingWindow());
        QCoreApplication::processEvents(); // a report posted before the stop finds nothing to do
        s.window.reset();
        QTRY_COMPARE(threadCount(), threadsBefore);
    }

    void namesOpenWithTheSurnameOfTheirRunAndAreRecordedOnce()
    {
        const auto config = freshConfig();
        QString recorded;
        {
            Session s(m_database, config);
            s.prepare(QStringLiteral("张"));
            s.button("按钮_起名")->click();
            QVERIFY(s.waitForEnd());
            s.find<QLineEdit>("编辑框_姓氏")->setText(QStringLiteral("欧阳"));

            QSignalSpy activated(&s.page(), &GenerationPage::nameActivated);
            auto* view = s.find<QTreeView>("超级列表框_高分起名");
            const QModelIndex third = view->model()->index(2, 3);
            const ListRow row = s.highScores().row(2);
            Q_EMIT view->doubleClicked(third);
            Q_EMIT view->doubleClicked(third);
            QCOMPARE(activated.size(), 2);
            QCOMPARE(activated[0][0].toString(), QStringLiteral("张"));
            QCOMPARE(QStringLiteral("张") + activated[0][1].toString(), row.cells[1]);

            NameListModel& records = s.window->recordsPage().recordList();
            QCOMPARE(records.rowCount(), 1);
            QStringList expected = row.cells;
            expected[0] = QStringLiteral("1");
            expected[1] = QStringLiteral("张\r\n") + activated[0][1].toString();
            QCOMPARE(records.row(0).cells, expected);
            recorded = expected[1];
            // Saved at once, before the program ends.
            Settings onDisk(config);
            QVERIFY(onDisk.load());
            QCOMPARE(onDisk.records().size(), std::size_t { 1 });
        }
        Session again(m_database, config);
        NameListModel& records = again.window->recordsPage().recordList();
        QCOMPARE(records.rowCount(), 1);
        QCOMPARE(records.row(0).cells[1], recorded);
    }

    void generationCharacterDialogFeedsTheRuns()
    {
        Session s(m_database, freshConfig());
        auto* label = s.find<QLabel>("标签_设置辈份");
        QVERIFY(!label->text().contains(QStringLiteral("#ff0000")));

        Q_EMIT label->linkActivated(QStringLiteral("辈份"));
        auto* dialog = s.window->findChild<GenerationCharacterDialog*>();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("设置辈份"));
        QVERIFY(dialog->isModal());
        QVERIFY(child<QRadioButton>(dialog, "单选框_不设置辈份")->isChecked());
        child<QRadioButton>(dialog, "单选框_设置第二个字")->setChecked(true);
        child<QPushButton>(dialog, "按钮_辈份确定")->click();
        QCOMPARE(s.messages.messages.size(), 1);
        QCOMPARE(s.messages.messages[0].text, QStringLiteral("请输入所设定的第二个字"));
        QCOMPARE(s.messages.messages[0].icon, Icon::Warning);
        QCOMPARE(s.messages.messages[0].title, QStringLiteral("提示"));
        QVERIFY(dialog->isVisible());
        child<QLineEdit>(dialog, "编辑框_第二个字")->setText(QStringLiteral("志"));
        child<QPushButton>(dialog, "按钮_辈份确定")->click();
        QTRY_VERIFY(!s.window->findChild<GenerationCharacterDialog*>());
        QCOMPARE(s.page().generationCharacter().kind, GenerationCharacterSetting::Kind::Second);
        QCOMPARE(s.page().generationCharacter().secondCharacter, std::string("志"));
        QVERIFY(label->text().contains(QStringLiteral("#ff0000")));

        // A run uses it: every candidate is listed with 志 second, after the warning.
        s.prepare(QStringLiteral("张"));
        s.button("按钮_起名")->click();
        QVERIFY(s.waitForEnd());
        QCOMPARE(s.messages.messages.size(), 2);
        QCOMPARE(s.messages.messages[1].text, QStringLiteral("设定辈份后,产生的名字较少,所以系统将显示全部名字"));
        QCOMPARE(s.messages.messages[1].icon, Icon::Warning);
        QVERIFY(s.highScores().rowCount() > 300);
        QVERIFY(s.highScores().row(s.highScores().rowCount() - 1).cells[7].toInt() < 90);
        for (const QString& name : s.names(s.highScores()))
            QVERIFY2(name.startsWith(QStringLiteral("张志")) && name.size() == 3, qPrintable(name));

        // Reopened: the kind is checked, the boxes are empty; 取消 sets none
        // and leaves the label's colour.
        dialog = s.page().openGenerationCharacterDialog();
        QVERIFY(child<QRadioButton>(dialog, "单选框_设置第二个字")->isChecked());
        QVERIFY(child<QLineEdit>(dialog, "编辑框_第二个字")->text().isEmpty());
        child<QPushButton>(dialog, "按钮_辈份取消")->click();
        QCOMPARE(s.page().generationCharacter().kind, GenerationCharacterSetting::Kind::None);
        QVERIFY(label->text().contains(QStringLiteral("#ff0000")));

        // 确定 with 不设置 makes the label grey.
        dialog = s.page().openGenerationCharacterDialog();
        child<QPushButton>(dialog, "按钮_辈份确定")->click();
        QVERIFY(label->text().contains(QStringLiteral("#606060")));
    }

    void oneCharacterNamesAnnounceTheLowerStandardInAModalBox()
    {
        Session s(m_database, freshConfig());
        // The box stays open while the run lists everything: the window must
        // take in the rest of the run once it is closed.
        s.messages.modalMs = 400;
        s.prepare(QStringLiteral("李"));
        s.find<QComboBox>("组合框_名字个数")->setCurrentIndex(0);
        s.button("按钮_起名")->click();
        QVERIFY(s.waitForEnd());
        QVERIFY(!s.page().waitingWindow());
        QVERIFY(s.modePageMenu()->isEnabled());
        QCOMPARE(s.messages.messages.size(), 1);
        QCOMPARE(s.messages.messages[0].text, QStringLiteral("一字名数理得分较低,所以软件自动降低评分标准!"));
        QCOMPARE(s.messages.messages[0].icon, Icon::Information);
        verifyFinishedList(s.highScores(), QStringLiteral("李"), 0);
        QVERIFY(s.highScores().rowCount() > 900);
        for (const QString& name : s.names(s.highScores()))
            QCOMPARE(name.size(), 2);
    }

    void timeToTheFullListOnTheShippedDatabase()
    {
        const QByteArray shipped = qgetenv("JIAMING_SHIPPED_DB");
        if (shipped.isEmpty() || !std::filesystem::exists(shipped.toStdString()))
            QSKIP("the shipped database has not been built");
        Session s(shipped.toStdString(), freshConfig());
        for (const char* sex : { "男", "女" }) {
            s.prepare(QStringLiteral("王"));
            s.find<QComboBox>("组合框_性别")->setCurrentText(QString::fromUtf8(sex));
            s.page().setLastSurname(QString());
            QElapsedTimer timer;
            timer.start();
            s.button("按钮_起名")->click();
            qint64 firstName = -1;
            qint64 last = 0;
            qint64 longestStall = 0; // the longest time the window's event loop was busy
            while (s.page().isRunning() && timer.elapsed() < kRunTimeoutMs) {
                if (firstName < 0 && !s.page().waitingWindow()) firstName = timer.elapsed();
                QTest::qWait(1);
                longestStall = std::max(longestStall, timer.elapsed() - last);
                last = timer.elapsed();
            }
            QVERIFY(!s.page().isRunning());
            qInfo("%s: first name after %lld ms, %d names in the window after %lld ms, event loop busy at most %lld ms",
                sex, firstName, s.highScores().rowCount(), timer.elapsed(), longestStall);
            verifyFinishedList(s.highScores(), QStringLiteral("王"), 90);
        }
    }
};

QTEST_MAIN(GenerationRunTest)
#include "GenerationRunTest.moc"
