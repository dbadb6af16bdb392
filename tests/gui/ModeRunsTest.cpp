// Runs of every mode through the main window's own buttons, from the mode
// page to the filled list, text box, export file or detail window.
#include "content/ContentRouter.h"
#include "data/NameDatabase.h"
#include "generate/ExportActions.h"
#include "generate/GenerationPage.h"
#include "generate/PoemPage.h"
#include "scoring/DetailWindow.h"
#include "scoring/RecordsPage.h"
#include "scoring/ScoringPage.h"
#include "shell/Application.h"
#include "shell/MainWindow.h"
#include "shell/NameListModel.h"
#include "support/ListFixture.h"
#include "support/PoemFixture.h"
#include "support/WindowSession.h"
#include "text/Text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTreeView>
#include <QtTest>

#include <algorithm>
#include <filesystem>
#include <memory>

using namespace jm;
using namespace jm::gui;

namespace {

constexpr int kRunTimeoutMs = 60000;

/// The list fixture with the fixture poems and a few English names for the
/// initial m (麦 reads mai).
std::filesystem::path writeDatabase(const std::filesystem::path& file)
{
    test::FixtureBuilder b = test::listFixture();
    test::addPoems(b);
    b.character({ "麦", 7, 11, "木", "mai", "麥", "m" });
    int id = 1;
    for (const auto& [name, style] : { std::pair { "Mark", 1 }, { "Mary", 2 }, { "Mike", 1 }, { "Carl", 1 } }) {
        const std::string n = name;
        b.row("NM_EName",
            { std::to_string(id++), n.substr(0, 1) == "C" ? "c" : "m", "", n, "4", std::to_string(style), n + "读音",
                "全名", "英语", n + "含义" });
    }
    return b.write(file);
}

struct Session : test::WindowSession {
    using WindowSession::WindowSession;

    GenerationPage& page() const { return window->generationPage(); }
    int currentPage(const char* tabs = "高级选择夹1") const { return find<QTabWidget>(tabs)->currentIndex(); }

    /// Surname, sex, name length (index 0 one character, 1 two) and mode.
    void prepare(const QString& surname, const char* modeOption, int sex = 0, int length = 1)
    {
        find<QLineEdit>("编辑框_姓氏")->setText(surname);
        find<QComboBox>("组合框_性别")->setCurrentIndex(sex);
        find<QComboBox>("组合框_名字个数")->setCurrentIndex(length);
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
    static QStringList column(const NameListModel& list, int c)
    {
        QStringList out;
        for (const ListRow& row : list.rows())
            out << row.cells.value(c);
        return out;
    }
};

/// Names of a finished scored list: each is the surname and a given name
/// made of `allowed` characters (any when empty), highest score first, none
/// below `threshold`.
void verifyScoredList(const NameListModel& list, const QString& surname, const QString& allowed, int threshold)
{
    QVERIFY(list.rowCount() > 0);
    int previous = 101;
    for (int r = 0; r < list.rowCount(); ++r) {
        const QStringList cells = list.row(r).cells;
        QCOMPARE(cells[0], QString::number(r + 1));
        QVERIFY2(cells[1].startsWith(surname) && cells[1].size() > surname.size(), qPrintable(cells[1]));
        for (const QChar c : cells[1].mid(surname.size()))
            QVERIFY2(allowed.isEmpty() || allowed.contains(c), qPrintable(cells[1]));
        const int score = cells[7].toInt();
        QVERIFY2(score >= threshold && score <= previous, qPrintable(cells.join(QLatin1Char(' '))));
        previous = score;
    }
}

} // namespace

class ModeRunsTest : public QObject {
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
        m_database = writeDatabase(m_dir->path() / "namedata.db");
        qputenv("JIAMING_DATA_DIR", QByteArray::fromStdString((m_dir->path() / "data").string()));
    }

    void superLuckyRunUsesTheElementFilters()
    {
        Session s(m_database, freshConfig());
        s.prepare(QStringLiteral("张"), "单选框_超吉起名");
        // Left on from an earlier session: showing the page applies its rule.
        s.find<QCheckBox>("选择框_所有字必带五行")->setChecked(true);
        s.button("按钮_起名")->click();
        QCOMPARE(s.currentPage(), 9);
        QVERIFY(!s.page().isRunning());
        QVERIFY(!s.find<QCheckBox>("选择框_第二个字五行限定")->isEnabled());
        s.find<QCheckBox>("选择框_所有字必带五行")->click();
        QVERIFY(s.find<QCheckBox>("选择框_第二个字五行限定")->isEnabled());

        // Second character 木 or 金, third 水.
        s.find<QCheckBox>("选择框_第二个字五行限定")->click();
        s.find<QCheckBox>("选择框_第三个字五行限定")->click();
        for (const char* box : { "选择框_木0", "选择框_金0", "选择框_水1" })
            s.find<QCheckBox>(box)->setChecked(true);
        s.button("按钮_超吉生成")->click();
        QVERIFY(s.page().isRunning());
        QVERIFY(!s.button("按钮_超吉生成")->isEnabled());
        QVERIFY(!s.button("按钮_超吉导出")->isEnabled());
        QVERIFY(s.waitForEnd());
        QVERIFY(s.button("按钮_超吉生成")->isEnabled());
        QVERIFY(s.button("按钮_超吉导出")->isEnabled());

        // 张's heaven grid is graded 凶 in the fixture: 98 is the bar.
        const NameListModel& list = s.page().superLuckyList();
        verifyScoredList(list, QStringLiteral("张"), QString(), 98);
        for (const QString& elements : Session::column(list, 4)) {
            QVERIFY2(elements.size() == 3 && QStringLiteral("木金").contains(elements[1]) && elements[2] == u'水',
                qPrintable(elements));
        }
        QVERIFY(s.messages.messages.isEmpty());
    }

    void poemRunNamesFromTheChosenPoem()
    {
        Session s(m_database, freshConfig());
        s.prepare(QStringLiteral("王"), "单选框_诗词起名");
        s.button("按钮_起名")->click();
        QCOMPARE(s.currentPage(), 2);
        QVERIFY(!s.page().isRunning());
        QCOMPARE(Session::column(s.window->poemPage().poetList(), 1),
            (QStringList { QStringLiteral("李白"), QStringLiteral("王维"), QStringLiteral("无名") }));

        // 李白's 山中 (王维 has a poem of the same title).
        auto* poets = s.find<QTreeView>("超级列表框_诗人列表");
        poets->setCurrentIndex(poets->model()->index(0, 1));
        auto* poems = s.find<QTreeView>("超级列表框_诗词残");
        poems->setCurrentIndex(poems->model()->index(0, 1));
        QCOMPARE(s.window->poemPage().poemList().row(0).cells.value(1), QStringLiteral("山中"));
        s.button("按钮2")->click(); // 使用此诗词
        s.button("按钮3")->click(); // 全选

        s.button("按钮_诗词起名")->click();
        QVERIFY(s.page().isRunning());
        QCOMPARE(s.currentPage("高级选择夹2"), 2); // the name list is shown
        QVERIFY(s.waitForEnd());
        QString allowed = QString::fromStdString(test::kLiBaiShanZhong);
        allowed.remove(QStringLiteral("，")).remove(QStringLiteral("。"));
        verifyScoredList(s.page().poemNameList(), QStringLiteral("王"), allowed, 0);
    }

    void pageButtonsRunTheirOwnModeAndChangedInputsStartOver()
    {
        Session s(m_database, freshConfig());
        auto* tabs = s.find<QTabWidget>("高级选择夹1");
        QSignalSpy started(&s.page(), &GenerationPage::runStarted);
        s.prepare(QStringLiteral("王"), "单选框_高分起名");
        s.button("按钮_起名")->click();
        QVERIFY(s.page().isRunning());
        QVERIFY(!tabs->isTabEnabled(MainWindow::PageModes)); // the mode page is locked during the run
        QVERIFY(s.waitForEnd());
        QVERIFY(tabs->isTabEnabled(MainWindow::PageModes));
        QVERIFY(s.page().highScoreList().rowCount() > 0);

        // Same inputs: the list stays. Another sex, length or generation
        // character: a new run.
        s.button("按钮_起名")->click();
        QVERIFY(!s.page().isRunning());
        QCOMPARE(started.size(), 1);
        s.prepare(QStringLiteral("王"), "单选框_高分起名", 1);
        s.button("按钮_起名")->click();
        QVERIFY(s.page().isRunning());
        QVERIFY(s.waitForEnd());
        s.prepare(QStringLiteral("王"), "单选框_高分起名", 1, 0);
        s.button("按钮_起名")->click();
        QVERIFY(s.page().isRunning());
        QVERIFY(s.waitForEnd());
        QCOMPARE(started.size(), 3);

        // 不满意?再生成一次 runs high score, whatever the mode page has ticked.
        s.prepare(QStringLiteral("王"), "单选框_诗词起名", 1, 0);
        s.window->showPage(MainWindow::PageHighScore);
        s.button("按钮_再生成一次")->click();
        QVERIFY(s.page().isRunning());
        QCOMPARE(qvariant_cast<GenerationMode>(started.last().at(0)), GenerationMode::HighScore);
        QCOMPARE(s.currentPage(), int(MainWindow::PageHighScore));
        QVERIFY(s.waitForEnd());
        QVERIFY(s.page().highScoreList().rowCount() > 0);
        QCOMPARE(s.page().poemNameList().rowCount(), 0);

        // The nickname page's button with 高分 ticked runs nickname.
        s.prepare(QStringLiteral("王"), "单选框_高分起名");
        s.window->showPage(MainWindow::PageNickname);
        s.button("按钮_起小名")->click();
        QCOMPARE(qvariant_cast<GenerationMode>(started.last().at(0)), GenerationMode::Nickname);
        QVERIFY(s.waitForEnd());
        QVERIFY(s.page().nicknameList().rowCount() > 0);
    }

    void combinationAndNicknameRuns()
    {
        Session s(m_database, freshConfig());
        s.prepare(QStringLiteral("王"), "单选框_组合起名");
        s.find<QLineEdit>("编辑框_组合的字")->setText(QStringLiteral("李 明A1华"));
        s.page().combinationList().appendRow({ { "1", "旧名" }, 0, {} });
        s.button("按钮_起名")->click();
        QCOMPARE(s.currentPage(), 3);
        QCOMPARE(s.page().combinationList().rowCount(), 0);
        s.button("按钮_组合起名")->click();
        QVERIFY(s.waitForEnd());
        // 李, 明 and 华 paired with each other; the surname never in a given name.
        QCOMPARE(s.page().combinationList().rowCount(), 9);
        verifyScoredList(s.page().combinationList(), QStringLiteral("王"), QStringLiteral("李明华"), 0);

        s.prepare(QStringLiteral("王"), "单选框_起小名");
        s.find<QRadioButton>("单选框_A儿型")->setChecked(true);
        s.button("按钮_起名")->click();
        QCOMPARE(s.currentPage(), 4);
        QPushButton* start = s.button("按钮_起小名");
        start->click();
        QVERIFY(s.page().isRunning());
        QVERIFY(!start->isEnabled()); // not again while the run lasts
        QVERIFY(s.waitForEnd());
        QVERIFY(start->isEnabled());
        const NameListModel& nicknames = s.page().nicknameList();
        QVERIFY(nicknames.rowCount() > 2000);
        for (const QString& name : Session::column(nicknames, 1))
            QVERIFY2(name.size() == 3 && name.startsWith(u'王') && name.endsWith(u'儿'), qPrintable(name));
        QVERIFY(s.messages.messages.isEmpty());
    }

    void headerClicksSortTheListAndDoubleClickFollows()
    {
        Session s(m_database, freshConfig());
        s.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.window.get()));
        s.prepare(QStringLiteral("王"), "单选框_组合起名");
        s.find<QLineEdit>("编辑框_组合的字")->setText(QStringLiteral("李明华"));
        s.button("按钮_起名")->click();
        auto* view = s.find<QTreeView>("超级列表框_组合列表");
        NameListModel& list = s.page().combinationList();
        s.button("按钮_组合起名")->click();
        QVERIFY(list.isSortLocked()); // filled by row numbers while it runs
        QVERIFY(!view->header()->sectionsClickable());
        QVERIFY(s.waitForEnd());
        QVERIFY(view->header()->sectionsClickable());
        QCOMPARE(list.rowCount(), 9);

        const auto clickHeader = [view](int column) {
            QHeaderView* header = view->header();
            const QPoint at(
                header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
        };
        const auto scores = [&list] {
            QList<int> out;
            for (const QString& score : Session::column(list, NameListModel::kScoreColumn))
                out << score.toInt();
            return out;
        };
        // 评分 ascending, then descending; 编号 by number (10 after 9, not after 1).
        clickHeader(NameListModel::kScoreColumn);
        QList<int> sorted = scores();
        QVERIFY2(std::is_sorted(sorted.begin(), sorted.end()), qPrintable(Session::column(list, 7).join(u' ')));
        QVERIFY(sorted.first() < sorted.last());
        clickHeader(NameListModel::kScoreColumn);
        sorted = scores();
        QVERIFY(std::is_sorted(sorted.rbegin(), sorted.rend()));
        list.appendRow({ { QStringLiteral("10"), QStringLiteral("王李李") }, 0, {} });
        clickHeader(0);
        clickHeader(0);
        QCOMPARE(Session::column(list, 0).first(), QStringLiteral("10"));
        list.removeRowAt(0);

        // A double click opens the name on the row shown.
        clickHeader(1);
        const QString shownName = list.row(2).cells[1];
        QSignalSpy activated(&s.page(), &GenerationPage::nameActivated);
        const QModelIndex third = view->model()->index(2, 1);
        Q_EMIT view->doubleClicked(third);
        QCOMPARE(activated.size(), 1);
        QCOMPARE(activated[0][0].toString() + activated[0][1].toString(), shownName);
        s.window->close();
    }

    void englishRunListsItsNamesOnce()
    {
        Session s(m_database, freshConfig());
        s.prepare(QStringLiteral("李"), "单选框_起英文名");
        s.button("按钮_起名")->click();
        QCOMPARE(s.currentPage(), 5);
        QCOMPARE(s.find<QLineEdit>("编辑框_英文姓氏")->text(), QStringLiteral("李"));
        s.find<QLineEdit>("编辑框_英文名字")->setText(QStringLiteral("麦明"));
        s.find<QRadioButton>("单选框_男性化")->setChecked(true);

        // Twice at once, then once more after the end: the list holds one run's names.
        QPushButton* start = s.button("按钮_英文起名");
        start->click();
        start->click();
        QVERIFY(s.waitForEnd());
        const QStringList want { QStringLiteral("Mark"), QStringLiteral("Mike") };
        QCOMPARE(Session::column(s.page().englishList(), 1), want);
        start->click();
        QVERIFY(s.waitForEnd());
        QCOMPARE(Session::column(s.page().englishList(), 1), want);
        QCOMPARE(s.page().englishList().row(1).cells,
            (QStringList {
                QStringLiteral("2"), QStringLiteral("Mike"), QStringLiteral("Mike读音"), QStringLiteral("Mike含义") }));

        // The inputs are checked in one place: one message for an empty box.
        s.find<QLineEdit>("编辑框_英文名字")->clear();
        start->click();
        QVERIFY(!s.page().isRunning());
        QCOMPARE(s.messages.messages.size(), 1);
        QCOMPARE(s.messages.messages[0].text, QStringLiteral("请输入名字"));
        QCOMPARE(s.page().englishList().rowCount(), 2);
    }

    void classicTextAndItsExport()
    {
        Session s(m_database, freshConfig());
        s.prepare(QStringLiteral("张"), "单选框_经典起名", 1, 0); // a girl, one character
        s.page().setShowAllNames(true); // the literal list of 294 characters
        auto* box = s.find<QPlainTextEdit>("编辑框_经典名字");
        box->setPlainText(QStringLiteral("旧的名字"));
        s.button("按钮_起名")->click();
        QCOMPARE(s.currentPage(), 10);
        QVERIFY(s.waitForEnd());
        const QString first = box->toPlainText();
        QCOMPARE(first.count(QStringLiteral("   ")), 294);
        QVERIFY(!first.contains(QStringLiteral("旧的名字")));
        // Rows of 16 names with an empty line between them.
        const QStringList lines = first.split(u'\n');
        QCOMPARE(lines.size(), 2 * (294 / 16) + 1);
        QCOMPARE(lines[0].count(u'张'), 16);
        QVERIFY(lines[1].isEmpty());
        QCOMPARE(lines.last().count(u'张'), 294 % 16);

        s.button("按钮_经典生成")->click();
        QVERIFY(s.waitForEnd());
        const QString second = box->toPlainText();
        QVERIFY(second != first);
        auto sorted = [](const QString& text) {
            QStringList names = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
            names.sort();
            return names;
        };
        QCOMPARE(sorted(second), sorted(first));

        // 导出 writes the text as shown, CR LF between lines, and opens the file.
        QStringList opened;
        s.window->exportActions().setOpener([&](const QString& path) { opened << path; });
        s.window->exportActions().setChooser([](QWidget*, const QString& suggested) { return suggested; });
        s.button("按钮_经典导出")->click();
        QCOMPARE(opened.size(), 1);
        QVERIFY(opened[0].endsWith(QStringLiteral("/ClassNameList.txt")));
        QFile file(opened[0]);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString crlf = second;
        crlf.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
        QCOMPARE(file.readAll(), QByteArray::fromStdString(toGbk(crlf.toStdString())));
    }

    void doubleClickOpensTheDetailWindowWithTheRunsSurname()
    {
        Session s(m_database, freshConfig());
        s.prepare(QStringLiteral("王"), "单选框_组合起名");
        s.find<QLineEdit>("编辑框_组合的字")->setText(QStringLiteral("明华"));
        s.button("按钮_起名")->click();
        s.button("按钮_组合起名")->click();
        QVERIFY(s.waitForEnd());
        QVERIFY(!s.window->contentRouter().detailWindow());

        s.find<QLineEdit>("编辑框_姓氏")->setText(QStringLiteral("欧阳"));
        const QString name = s.page().combinationList().row(0).cells[1];
        auto* view = s.find<QTreeView>("超级列表框_组合列表");
        Q_EMIT view->doubleClicked(view->model()->index(0, 2));
        DetailWindow* detail = s.window->contentRouter().detailWindow();
        QVERIFY(detail && detail->isVisible());
        QCOMPARE(detail->windowTitle(), name + QStringLiteral("姓名详细解释"));
        QCOMPARE(s.window->recordsPage().recordList().rowCount(), 1);

        // The record list opens the same window with its own name.
        auto* records = s.find<QTreeView>("超级列表框_记录列表");
        Q_EMIT records->doubleClicked(records->model()->index(0, 1));
        QCOMPARE(s.window->contentRouter().detailWindow(), detail);
        QCOMPARE(detail->windowTitle(), name + QStringLiteral("姓名详细解释"));
        QCOMPARE(s.window->recordsPage().recordList().rowCount(), 1);
    }
};

QTEST_MAIN(ModeRunsTest)
#include "ModeRunsTest.moc"
