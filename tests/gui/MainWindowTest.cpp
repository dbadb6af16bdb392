#include "shell/MainWindow.h"

#include "content/ArticleReader.h"
#include "content/ContentRouter.h"
#include "content/DictionaryWindow.h"
#include "data/Bootstrap.h"
#include "data/NameDatabase.h"
#include "generate/GenerationPage.h"
#include "scoring/RecordsPage.h"
#include "scoring/ScoringPage.h"
#include "settings/Paths.h"
#include "settings/Settings.h"
#include "shell/Application.h"
#include "shell/NameListModel.h"
#include "support/FixtureDatabase.h"
#include "support/RecordingMessageService.h"
#include "support/WindowSession.h"
#include "text/Text.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QTreeView>

#include <array>
#include <cmath>
#include <fstream>
#include <functional>
#include <memory>

using namespace jm;
using namespace jm::gui;
using Icon = gui::MessageService::Icon;

namespace {

/// One run of the program: its files in a temporary directory, the database
/// and the main window (destroyed first).
struct Session : test::WindowSession {
    using WindowSession::WindowSession;

    QAction* action(const char* name) const { return find<QAction>(name); }
    QComboBox* combo(const char* name) const { return find<QComboBox>(name); }
    QString text(const char* lineEdit) const { return find<QLineEdit>(lineEdit)->text(); }
    int page() const { return find<QTabWidget>("高级选择夹1")->currentIndex(); }
    NameListModel& records() const { return window->recordsPage().recordList(); }
};

QStringList items(const QComboBox* box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

bool oneCopyOfEachItem(const QComboBox* box)
{
    const QStringList all = items(box);
    return QSet<QString>(all.begin(), all.end()).size() == all.size();
}

ListRow record(const QString& name, const QString& score)
{
    return { { QString(), name, QStringLiteral("13"), QStringLiteral("29"), QStringLiteral("金水火"),
                 QStringLiteral("11,18,29,29,12"), QStringLiteral("木金水"), score },
        score.toInt(), {} };
}

RecordFields fields(const ListRow& row)
{
    RecordFields out;
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = row.cells.value(static_cast<int>(i) + 1).toStdString();
    return out;
}

void writeFile(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempDir> m_dir;
    std::filesystem::path m_database;

    std::filesystem::path file(const char* name) const { return m_dir->path() / name; }

    void fillInputs(Session& s)
    {
        s.find<QLineEdit>("编辑框_姓氏")->setText(QStringLiteral("司马"));
        s.combo("组合框_性别")->setCurrentIndex(1);
        s.combo("组合框_名字个数")->setCurrentIndex(1);
        s.find<QLineEdit>("编辑框_组合的字")->setText(QStringLiteral("圣诚杰"));
        s.find<QLineEdit>("编辑框_英文名字")->setText(QStringLiteral("喆"));
        s.find<QLineEdit>("编辑框_评分名字")->setText(QStringLiteral("相如"));
        s.window->recordsPage().restoreRecords({ fields(record(QStringLiteral("张\r\n三"), QStringLiteral("90"))),
            fields(record(QStringLiteral("欧阳\r\n修"), QStringLiteral("77"))) });
    }

private Q_SLOTS:
    void initTestCase()
    {
        startUp(*qApp);
        m_dir = std::make_unique<test::TempDir>();
        m_database = test::FixtureBuilder::standard().write(m_dir->path() / "namedata.db");
        qputenv("JIAMING_DATA_DIR", QByteArray::fromStdString((m_dir->path() / "data").string()));
    }

    void init() { qputenv("JIAMING_DATA_DIR", QByteArray::fromStdString((m_dir->path() / "data").string())); }

    void firstStartWithoutSettingsFile()
    {
        const auto config = file("first.dat");
        {
            Session s(config);
            s.start(m_database);
            QVERIFY(s.window->isVisible());
            QVERIFY(s.window->windowTitle().startsWith(QStringLiteral("嘉名")));
            QCOMPARE(s.window->size(), QSize(729, 513));
            QVERIFY(s.db.isOpen());
            QVERIFY(s.messages.messages.isEmpty());

            QCOMPARE(s.text("编辑框_姓氏"), QString());
            QCOMPARE(s.combo("组合框_性别")->currentText(), QStringLiteral("男"));
            QCOMPARE(s.combo("组合框_名字个数")->currentText(), QStringLiteral("一字"));
            QCOMPARE(s.text("编辑框_组合的字"), QString());
            QCOMPARE(s.text("编辑框_英文名字"), QString());
            QCOMPARE(s.text("编辑框_评分名字"), QString());
            QCOMPARE(s.records().rowCount(), 0);

            const QComboBox* year = s.combo("组合框_年份");
            QCOMPARE(year->count(), 79);
            QCOMPARE(year->itemText(0), QStringLiteral("1970"));
            QCOMPARE(year->itemText(78), QStringLiteral("2048"));
            // Every date box of the window starts at today, 0:00.
            const QDate today = QDate::currentDate();
            const QString todayTexts[] = { QString::number(today.year()), QString::number(today.month()),
                QString::number(today.day()), QStringLiteral("0"), QStringLiteral("0") };
            const std::pair<const char*, int> boxes[] = { { "组合框_年份", 79 }, { "组合框_月份", 12 },
                { "组合框_日子", 31 }, { "组合框_时间", 24 }, { "组合框_分钟", 60 } };
            const char* chartBoxes[] = { "组合框_八字年份", "组合框_八字月份", "组合框_八字日子", "组合框_八字时间" };
            const char* scoreBoxes[]
                = { "组合框_评分年份", "组合框_评分月份", "组合框_评分日子", "组合框_评分时间", "组合框_评分分钟" };
            for (int i = 0; i < 5; ++i) {
                QCOMPARE(s.combo(boxes[i].first)->count(), boxes[i].second);
                QCOMPARE(s.combo(boxes[i].first)->currentText(), todayTexts[i]);
                QCOMPARE(s.combo(scoreBoxes[i])->currentText(), todayTexts[i]);
                if (i < 4) QCOMPARE(s.combo(chartBoxes[i])->currentText(), todayTexts[i]);
            }

            QVERIFY(s.find<QRadioButton>("单选框_经典起名")->isChecked());
            QCOMPARE(s.window->statusHintImage(), 0);
            QCOMPARE(s.window->statusHintText(), QStringLiteral("高速生成,以好听为主,不考虑名字的五行数理等因素"));
            QCOMPARE(s.window->skins().currentSkin(), kDefaultSkin);
            QVERIFY(!std::filesystem::exists(config));
        }
        // Closing writes the file with the first-start values.
        Settings saved(config);
        QVERIFY(saved.load());
        QCOMPARE(saved.text(SettingsKey::Sex), std::string("0"));
        QCOMPARE(saved.text(SettingsKey::NameLength), std::string("0"));
        QCOMPARE(saved.text(SettingsKey::Records), std::string());
    }

    void layoutHasEveryPageAndFits()
    {
        Session s(file("layout.dat"));
        s.start(m_database);
        const auto* tabs = s.find<QTabWidget>("高级选择夹1");
        const QStringList captions = { "模式选择", "高分模式", "诗词起名", "组合起名", "起小名", "起英文名", "生辰八字",
            "姓名评分", "起名记录", "超吉模式", "经典模式" };
        QCOMPARE(tabs->count(), captions.size());
        for (int i = 0; i < captions.size(); ++i)
            QCOMPARE(tabs->tabText(i), captions[i]);
        QCOMPARE(s.find<QTabWidget>("高级选择夹2")->count(), 3);

        // Every page's layout fits the window at its design size.
        const QSize minimum = s.window->minimumSizeHint();
        qInfo("minimum window size %dx%d", minimum.width(), minimum.height());
        QVERIFY2(minimum.width() <= 729 && minimum.height() <= 513,
            qPrintable(QStringLiteral("minimum size %1x%2").arg(minimum.width()).arg(minimum.height())));

        const auto* toolbar = s.find<QToolBar>("工具条1");
        QStringList toolCaptions;
        for (QAction* a : toolbar->actions())
            toolCaptions << (a->isSeparator() ? QStringLiteral("|") : a->text());
        QCOMPARE(toolCaptions.join(QLatin1Char(' ')),
            QStringLiteral("起名模式 | 生辰八字 | 姓名评分 | 起名记录 | 新华字典"));
        for (QAction* a : toolbar->actions())
            QVERIFY(a->isSeparator() || !a->icon().isNull());

        QStringList menus;
        for (QAction* a : s.find<QMenuBar>("超级菜单1")->actions())
            menus << a->text();
        QCOMPARE(menus, QStringList({ "操作菜单[&C]", "育儿知识[&Y]", "算命风水[&S]", "帮助[&H]" }));
        QStringList operations;
        for (QAction* a : s.find<QMenu>("菜单_操作")->actions())
            operations << (a->isSeparator() ? "-" : a->text());
        QCOMPARE(operations,
            QStringList(
                { "模式选择", "生辰八字", "姓名评分", "起名记录", "新华字典", "-", "显示全部名字", "-", "退出程序" }));
        QStringList help;
        for (QAction* a : s.find<QMenu>("菜单_帮助")->actions())
            help << (a->isSeparator() ? "-" : a->text());
        QCOMPARE(help, QStringList({ "更换皮肤", "使用帮助", "-", "关于软件" }));

        const auto* popup = s.find<QMenu>("记录列表菜单");
        QCOMPARE(popup->actions().size(), 1);
        QCOMPARE(popup->actions().first()->text(), QStringLiteral("删除记录"));

        auto* scoreView = s.find<QTreeView>("超级列表框_评分列表");
        QStringList headers;
        for (int c = 0; c < scoreView->model()->columnCount(); ++c)
            headers << scoreView->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(headers, QStringList({ "编号", "姓名", "简体笔划", "繁体笔划", "五行", "五格", "三才", "评分" }));
        QCOMPARE(scoreView->columnWidth(5), 120);
        QCOMPARE(s.find<QTreeView>("超级列表框_英文列表")->model()->columnCount(), 4);
    }

    void toolbarAndMenuNavigation()
    {
        Session s(file("navigation.dat"));
        s.start(m_database);
        auto* toolbar = s.find<QToolBar>("工具条1");
        const auto clickItem = [&](int item) { toolbar->actions().at(item)->trigger(); };

        s.find<QLineEdit>("编辑框_姓氏")->setText(QStringLiteral("欧阳"));
        s.combo("组合框_年份")->setCurrentText(QStringLiteral("2020"));
        s.combo("组合框_时间")->setCurrentText(QStringLiteral("17"));
        const char* chartBoxes[] = { "组合框_八字年份", "组合框_八字月份", "组合框_八字日子", "组合框_八字时间" };
        const char* scoreBoxes[]
            = { "组合框_评分年份", "组合框_评分月份", "组合框_评分日子", "组合框_评分时间", "组合框_评分分钟" };
        s.combo("组合框_月份")->setCurrentText(QStringLiteral("1"));
        s.combo("组合框_日子")->setCurrentText(QStringLiteral("1"));
        // What the user picked on the chart and scoring pages stays through every visit.
        s.combo("组合框_八字年份")->setCurrentIndex(3);
        s.combo("组合框_评分日子")->setCurrentIndex(5);
        for (int round = 0; round < 2; ++round) {
            clickItem(2);
            QCOMPARE(s.page(), 6);
            QCOMPARE(s.find<QLabel>("透明标签_起名日期")->text(), QStringLiteral("2020年1月1日17时"));
            for (const char* name : chartBoxes)
                QVERIFY(oneCopyOfEachItem(s.combo(name)));
            QCOMPARE(items(s.combo("组合框_八字年份")).size(), 79);
            QCOMPARE(s.combo("组合框_八字年份")->currentText(), QStringLiteral("1973"));
            QCOMPARE(items(s.combo("组合框_八字时间")), items(s.combo("组合框_时间")));

            clickItem(4);
            QCOMPARE(s.page(), 7);
            QCOMPARE(s.text("编辑框_评分姓氏"), QStringLiteral("欧阳"));
            QCOMPARE(s.combo("组合框_评分日子")->currentText(), QStringLiteral("6"));
            for (const char* name : scoreBoxes)
                QVERIFY(oneCopyOfEachItem(s.combo(name)));
            QCOMPARE(items(s.combo("组合框_评分分钟")).size(), 60);
        }
        // The chart's own date options keep their state.
        QVERIFY(s.find<QRadioButton>("单选框1")->isChecked());

        clickItem(6);
        QCOMPARE(s.page(), 8);
        clickItem(0);
        QCOMPARE(s.page(), 0);

        ContentRouter& content = s.window->contentRouter();
        clickItem(8);
        QVERIFY(content.dictionaryWindow() && content.dictionaryWindow()->isVisible());
        QCOMPARE(content.dictionaryWindow()->windowTitle(), QStringLiteral("汉字查询"));
        QVERIFY(content.dictionaryWindow()->isModal());
        content.dictionaryWindow()->close();
        QTRY_VERIFY(!content.dictionaryWindow());

        struct Route {
            const char* action;
            int page;
        };
        const Route routes[] = { { "菜单项_生辰八字", 6 }, { "菜单项_姓名评分", 7 }, { "菜单项_起名记录", 8 },
            { "菜单项_模式选择", 0 } };
        for (const Route& r : routes) {
            s.action(r.action)->trigger();
            QCOMPARE(s.page(), r.page);
        }
        s.action("菜单项_新华字典")->trigger();
        QVERIFY(content.dictionaryWindow() && content.dictionaryWindow()->isVisible());
    }

    void articleMenusRouteTableAndCategory()
    {
        // This window is never started: it must not write over the settings file.
        const auto config = file("articles.dat");
        writeFile(config, "keep");
        Session s(config);
        const auto* parenting = s.find<QMenu>("菜单_育儿知识");
        QStringList top;
        for (QAction* a : parenting->actions())
            top << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(
            top, QStringList({ "育儿百科", "-", "孕育指南", "-", "儿童教育", "营养知识", "健康讲座", "安全知识" }));
        QStringList fortune;
        for (QAction* a : s.find<QMenu>("菜单_算命风水")->actions())
            fortune << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(fortune,
            QStringList(
                { "起名知识", "-", "算命知识", "星座算命", "相术算命", "血型算命", "-", "风水知识", "-", "开运技巧" }));

        const QList<QAction*> articles = s.window->findChildren<QAction*>(QRegularExpression(QStringLiteral("^文章_")));
        QCOMPARE(articles.size(), 45);

        struct Case {
            const char* item;
            const char* table;
            const char* category;
        };
        const Case cases[] = {
            { "备孕百科", "育儿百科", "备孕百科" },
            { "孕育指南", "育儿百科", "孕育指南" },
            { "护理保健", "育儿百科", "护理保健" },
            { "儿科疾病", "育儿百科", "儿科疾病" },
            { "幼儿园安全", "育儿百科", "幼儿园安全" },
            { "开运技巧", "算命风水", "开运技巧" },
        };
        for (const Case& c : cases) {
            s.action((std::string("文章_") + c.item).c_str())->trigger();
            const ArticleReader* reader = s.window->contentRouter().articleReader();
            QVERIFY(reader && reader->isVisible());
            QCOMPARE(reader->windowTitle(), QString::fromUtf8(c.category));
            QCOMPARE(reader->currentArticleTable(), QString::fromUtf8(c.table));
        }
        s.window.reset();
        QCOMPARE(*readFileBytes(config), std::string("keep"));
    }

    void settingsRoundTripThroughFile()
    {
        const auto config = file("roundtrip.dat");
        std::vector<RecordFields> many;
        for (int i = 0; i < 3000; ++i)
            many.push_back(fields(record(QStringLiteral("诸葛\r\n孔明%1").arg(i), QString::number(i % 100))));
        {
            Session s(config);
            s.start(m_database);
            fillInputs(s);
            s.window->recordsPage().restoreRecords(many);
            s.window->close();
        }
        const std::string bytes = *readFileBytes(config);
        QVERIFY(bytes.size() > 10239 * 10);
        QVERIFY(bytes.find(toGbk("名字记录=v2|张%0D%0A三;13;29;金水火;11,18,29,29,12;木金水;90;|欧阳%0D%0A修;"))
            != std::string::npos);

        Session s(config);
        s.start(m_database);
        QCOMPARE(s.text("编辑框_姓氏"), QStringLiteral("司马"));
        QCOMPARE(s.combo("组合框_性别")->currentText(), QStringLiteral("女"));
        QCOMPARE(s.combo("组合框_名字个数")->currentText(), QStringLiteral("二字"));
        QCOMPARE(s.text("编辑框_组合的字"), QStringLiteral("圣诚杰"));
        QCOMPARE(s.text("编辑框_英文名字"), QStringLiteral("喆"));
        QCOMPARE(s.text("编辑框_评分名字"), QStringLiteral("相如"));
        QCOMPARE(s.records().rowCount(), 3002);
        QStringList first = record(QStringLiteral("张\r\n三"), QStringLiteral("90")).cells;
        first[0] = QStringLiteral("1");
        QCOMPARE(s.records().row(0).cells, first);
        QCOMPARE(s.records().row(1).cells[1], QStringLiteral("欧阳\r\n修"));
        const ListRow& last = s.records().row(3001);
        QCOMPARE(last.cells[0], QStringLiteral("3002"));
        QCOMPARE(last.cells[1], QStringLiteral("诸葛\r\n孔明2999"));
        QCOMPARE(last.cells[7], QStringLiteral("99"));
    }

    void restoresAHandWrittenFile()
    {
        const auto config = file("old.dat");
        writeFile(config, toGbk("[设置]\r\n姓氏=王\r\n性别=-1\r\n名字个数=2\r\n名字记录=a;b|c|\r\n"));
        Session s(config);
        s.start(m_database);
        QCOMPARE(s.text("编辑框_姓氏"), QStringLiteral("王"));
        QCOMPARE(s.combo("组合框_性别")->currentText(), QStringLiteral("女"));
        QCOMPARE(s.combo("组合框_名字个数")->currentText(), QStringLiteral("一字"));
        QCOMPARE(s.records().rowCount(), 2);
        QCOMPARE(s.records().row(0).cells, QStringList({ "1", "a", "b", "", "", "", "", "" }));
        QCOMPARE(s.records().row(1).cells, QStringList({ "2", "c", "", "", "", "", "", "" }));
    }

    void exitMenuSavesExactlyAsClosing()
    {
        const auto closed = file("closed.dat");
        const auto exited = file("exited.dat");
        {
            Session s(closed);
            s.start(m_database);
            fillInputs(s);
            s.window->close();
            QVERIFY(!s.db.isOpen());
        }
        {
            Session s(exited);
            s.start(m_database);
            fillInputs(s);
            s.action("菜单项_退出程序")->trigger();
            QVERIFY(!s.window->isVisible());
            QVERIFY(!s.db.isOpen());
            QVERIFY(std::filesystem::exists(exited)); // written before the window is gone
            // Later edits are not saved a second time.
            s.find<QLineEdit>("编辑框_姓氏")->setText(QStringLiteral("改了"));
        }
        QCOMPARE(*readFileBytes(exited), *readFileBytes(closed));
    }

    void deletingARecordRenumbersAndSavesAtOnce()
    {
        const auto config = file("delete.dat");
        writeFile(config, toGbk("[设置]\r\n名字记录=张 一;1|张 二;2|张 三;3|\r\n"));
        Session s(config);
        s.start(m_database);
        auto* view = s.find<QTreeView>("超级列表框_记录列表");
        auto* remove = s.action("菜单项_删除记录");

        remove->trigger(); // nothing selected: nothing happens
        QCOMPARE(s.records().rowCount(), 3);

        view->selectionModel()->select(
            view->model()->index(1, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        remove->trigger();
        QCOMPARE(s.records().rowCount(), 2);
        QCOMPARE(s.records().row(0).cells.mid(0, 2), QStringList({ "1", "张\r\n一" }));
        QCOMPARE(s.records().row(1).cells.mid(0, 2), QStringList({ "2", "张\r\n三" }));

        Settings onDisk(config);
        QVERIFY(onDisk.load());
        QCOMPARE(onDisk.text(SettingsKey::Records), std::string("v2|张%0D%0A一;1;;;;;;|张%0D%0A三;3;;;;;;|"));
    }

    void unwritableSettingsFileIsReportedOnce()
    {
        const auto folder = file("settings-folder");
        std::filesystem::create_directories(folder);
        const auto config = folder / "config.dat";
        writeFile(config, toGbk("[设置]\r\n名字记录=张 一;1|张 二;2|张 三;3|\r\n"));
        Session s(config);
        s.start(m_database);
        const auto before = s.messages.messages.size();

        // The folder of the settings file turns into a plain file: every later write fails.
        std::filesystem::rename(folder, file("settings-folder-moved"));
        writeFile(folder, "x");
        auto* view = s.find<QTreeView>("超级列表框_记录列表");
        for (int i = 0; i < 2; ++i) {
            view->selectionModel()->select(
                view->model()->index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            s.action("菜单项_删除记录")->trigger();
        }
        QCOMPARE(s.records().rowCount(), 1); // the window keeps working
        QCOMPARE(s.messages.messages.size(), before + 1); // said once, not at every change
        QVERIFY(s.messages.messages.back().text.contains(QStringLiteral("名字记录暂时不能保存")));
    }

    void skinMenuStepsThroughEverySkinAndWraps()
    {
        std::vector<int> applied;
        SkinSwitcher skins([&](int n) { applied.push_back(n); });
        QVERIFY(!skins.applySkin(0));
        QVERIFY(!skins.applySkin(kSkinCount + 1));
        QVERIFY(skins.applySkin(kSkinCount - 1));
        for (int i = 0; i < kSkinCount + 1; ++i)
            skins.nextSkin();
        // From the skin shown to the next one, round and round: no jump back to 1, no end.
        std::vector<int> want = { kSkinCount - 1, kSkinCount };
        for (int n = 1; n <= kSkinCount; ++n)
            want.push_back(n);
        QCOMPARE(applied, want);

        Session s(file("skins.dat"));
        s.start(m_database);
        QCOMPARE(qApp->styleSheet(), skinStyleSheet(kDefaultSkin));
        // Every skin is told apart at a glance: the mean colours of the tool
        // bar and of the whole window, as drawn, differ from every other skin's.
        const auto mean = [](const QImage& image, const QRect& area) {
            double sum[3] = {};
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x) {
                    const QRgb p = image.pixel(x, y);
                    sum[0] += qRed(p);
                    sum[1] += qGreen(p);
                    sum[2] += qBlue(p);
                }
            const double n = static_cast<double>(area.width()) * area.height();
            return std::array<double, 3> { sum[0] / n, sum[1] / n, sum[2] / n };
        };
        const auto distance = [](const std::array<double, 3>& a, const std::array<double, 3>& b) {
            return std::sqrt(
                (a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) + (a[2] - b[2]) * (a[2] - b[2]));
        };
        std::vector<std::array<double, 3>> bars, windows;
        for (int i = 0; i < kSkinCount; ++i) {
            s.action("菜单项_更换皮肤")->trigger();
            const int shown = (kDefaultSkin + i) % kSkinCount + 1;
            QCOMPARE(s.window->skins().currentSkin(), shown);
            QCOMPARE(qApp->styleSheet(), skinStyleSheet(shown));
            QVERIFY(s.find<QStatusBar>("状态条1")->currentMessage().contains(skinName(shown)));
            const QImage shot = s.window->grab().toImage();
            bars.push_back(mean(shot, s.find<QToolBar>("工具条1")->geometry()));
            windows.push_back(mean(shot, shot.rect()));
        }
        QCOMPARE(s.window->skins().currentSkin(), kDefaultSkin); // once round
        double nearestBar = 1000, nearestWindow = 1000;
        for (int a = 0; a < kSkinCount; ++a)
            for (int b = a + 1; b < kSkinCount; ++b) {
                nearestBar = std::min(nearestBar, distance(bars[a], bars[b]));
                nearestWindow = std::min(nearestWindow, distance(windows[a], windows[b]));
            }
        qInfo(
            "nearest skins: tool bar %.1f, window %.1f (RGB distance of the mean colours)", nearestBar, nearestWindow);
        QVERIFY2(nearestBar > 40, qPrintable(QString::number(nearestBar)));
        QVERIFY2(nearestWindow > 8, qPrintable(QString::number(nearestWindow)));
    }

    void rememberedStateComesBackAfterARestart()
    {
        const auto config = file("restart.dat");
        const QRect place(40, 30, 700, 500);
        {
            Session s(config);
            s.start(m_database);
            s.window->setGeometry(place);
            s.action("菜单项_更换皮肤")->trigger();
            s.action("菜单项_更换皮肤")->trigger();
            s.find<QRadioButton>("单选框_诗词起名")->click();
            s.combo("组合框_性别")->setCurrentIndex(1);
            s.combo("组合框_名字个数")->setCurrentIndex(1);
            const std::pair<const char*, const char*> choices[] = { { "组合框_年份", "2024" }, { "组合框_月份", "5" },
                { "组合框_日子", "17" }, { "组合框_时间", "8" }, { "组合框_分钟", "30" }, { "组合框_八字年份", "2020" },
                { "组合框_八字月份", "2" }, { "组合框_八字日子", "4" }, { "组合框_八字时间", "17" } };
            for (const auto& [box, text] : choices)
                s.combo(box)->setCurrentText(QString::fromUtf8(text));
            s.find<QRadioButton>("单选框_自定义日期")->setChecked(true);
            s.window->close();
        }
        {
            Session s(config);
            s.start(m_database);
            QCOMPARE(s.window->geometry(), place);
            QCOMPARE(s.window->skins().currentSkin(), kDefaultSkin + 2);
            QCOMPARE(qApp->styleSheet(), skinStyleSheet(kDefaultSkin + 2));
            QVERIFY(s.find<QRadioButton>("单选框_诗词起名")->isChecked());
            QCOMPARE(s.window->statusHintText(), QStringLiteral("使用近3000位诗人的数十万诗词进行组合起名"));
            QCOMPARE(s.combo("组合框_性别")->currentText(), QStringLiteral("女"));
            QCOMPARE(s.combo("组合框_名字个数")->currentText(), QStringLiteral("二字"));
            QStringList birth;
            for (const char* box : { "组合框_年份", "组合框_月份", "组合框_日子", "组合框_时间", "组合框_分钟" })
                birth << s.combo(box)->currentText();
            QCOMPARE(birth, QStringList({ "2024", "5", "17", "8", "30" }));
            QCOMPARE(s.find<QLabel>("透明标签_起名日期")->text(), QStringLiteral("2024年5月17日8时"));
            QVERIFY(s.find<QRadioButton>("单选框_自定义日期")->isChecked());
            const QString chart = s.find<QPlainTextEdit>("编辑框_八字信息")->toPlainText();
            QVERIFY2(chart.startsWith(QStringLiteral("公历日期：2020年2月4日17时\n")), qPrintable(chart.left(40)));
            QVERIFY(chart.contains(QStringLiteral("八字四柱：己亥年  丁丑月  丁丑日  己酉时")));
        }
        // Remembered values the window cannot show fall back to the first-start ones.
        const std::string bytes = *readFileBytes(config);
        Settings edited(config);
        QVERIFY(edited.load());
        edited.setText(SettingsKey::WindowGeometry, "-9000,-9000,700,500"); // a screen that is gone
        edited.setText(SettingsKey::Skin, "99");
        edited.setText(SettingsKey::Mode, "旧的模式");
        edited.setText(SettingsKey::BirthDate, "1900-1-1 0:00");
        QVERIFY(edited.save());
        Session s(config);
        s.start(m_database);
        QCOMPARE(s.window->size(), QSize(729, 513));
        QCOMPARE(s.window->skins().currentSkin(), kDefaultSkin);
        QVERIFY(s.find<QRadioButton>("单选框_经典起名")->isChecked());
        QCOMPARE(s.combo("组合框_年份")->currentText(), QString::number(QDate::currentDate().year()));
    }

    void failuresAreReportedAfterTheWindowIsUp()
    {
        // A missing database file and an unwritable data directory.
        const auto blocker = file("blocker");
        writeFile(blocker, "x");
        qputenv("JIAMING_DATA_DIR", QByteArray::fromStdString((blocker / "data").string()));
        Session s(file("failures.dat"));
        s.start(file("missing.db"));
        QTRY_COMPARE(s.messages.messages.size(), 2);
        QVERIFY(s.window->isVisible());
        QVERIFY(!s.db.isOpen());
        QVERIFY(!s.window->dataDirectory());

        const auto& messages = s.messages.messages;
        const auto critical
            = std::find_if(messages.begin(), messages.end(), [](const auto& m) { return m.icon == Icon::Critical; });
        QVERIFY(critical != messages.end());
        QVERIFY(critical->text.contains(QString::fromStdString(file("missing.db").string())));
        QVERIFY(critical->text.contains(QStringLiteral("文件不存在")));
        QCOMPARE(critical->title, QStringLiteral("信息："));
        const auto warning
            = std::find_if(messages.begin(), messages.end(), [](const auto& m) { return m.icon == Icon::Warning; });
        QVERIFY(warning != messages.end());
        QCOMPARE(warning->title, QStringLiteral("提示"));

        // The window keeps working: navigation still does its job, nothing more is reported.
        s.action("菜单项_生辰八字")->trigger();
        QCOMPARE(s.page(), 6);
        QTest::qWait(20);
        QCOMPARE(s.messages.messages.size(), 2);
    }

    void withoutTheDatabaseEveryActionSaysSo_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file at all
        QTest::addColumn<QString>("cause");
        QTest::newRow("missing") << QByteArray() << QStringLiteral("文件不存在");
        QTest::newRow("broken") << QByteArray(300, 'x') << QStringLiteral("不是 SQLite 数据库文件");
    }

    void withoutTheDatabaseEveryActionSaysSo()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, cause);
        const auto database = file("namedata-bad.db");
        std::filesystem::remove(database);
        if (!bytes.isNull()) writeFile(database, bytes.toStdString());
        const QString path = QString::fromStdString(database.string());
        Session s(file("no-database.dat"));
        s.start(database);
        QTRY_COMPARE(s.messages.messages.size(), 1);
        const auto& first = s.messages.messages.front();
        QCOMPARE(first.icon, Icon::Critical);
        QVERIFY2(first.text.contains(path) && first.text.contains(cause), qPrintable(first.text));
        QVERIFY(!first.text.contains(QStringLiteral("directx"), Qt::CaseInsensitive));
        QVERIFY(s.find<QLabel>("状态条1_数据库")->isVisible());

        struct Action {
            const char* what; // as the message says it
            std::function<void()> run;
        };
        const Action actions[] = {
            { "无法起名", [&] { s.button("按钮_起名")->click(); } },
            { "无法起名", [&] { s.button("按钮_再生成一次")->click(); } },
            { "无法起名", [&] { s.button("按钮_组合起名")->click(); } },
            { "无法起英文名", [&] { s.button("按钮_英文起名")->click(); } },
            { "无法评分", [&] { s.button("按钮_评分")->click(); } },
            { "无法查字典", [&] { s.action("菜单项_新华字典")->trigger(); } },
            { "无法阅读文章", [&] { s.action("文章_备孕百科")->trigger(); } },
            { "无法查看名字的详细解释",
                [&] { s.window->contentRouter().showNameDetail(QStringLiteral("张"), QStringLiteral("三")); } },
        };
        for (const Action& a : actions) {
            const auto before = s.messages.messages.size();
            a.run();
            QCOMPARE(s.messages.messages.size(), before + 1);
            const auto& said = s.messages.messages.back();
            QVERIFY2(
                said.text.startsWith(QString::fromUtf8(a.what)) && said.text.contains(path), qPrintable(said.text));
        }
        QVERIFY(!s.window->generationPage().isRunning());
        QVERIFY(!s.window->contentRouter().dictionaryWindow());
        QVERIFY(!s.window->contentRouter().articleReader());
        QVERIFY(!s.window->contentRouter().detailWindow());
        // The birth chart needs no database.
        s.action("菜单项_生辰八字")->trigger();
        QVERIFY(s.find<QPlainTextEdit>("编辑框_八字信息")->toPlainText().contains(QStringLiteral("八字四柱")));
    }

    void aboutWindowShowsProductAndVersion()
    {
        Session s(file("about.dat"));
        s.start(m_database);
        s.action("菜单项_关于软件")->trigger();
        s.action("菜单项_关于软件")->trigger();
        QList<QWidget*> abouts;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("关于窗口") && w->isVisible()) abouts << w;
        QCOMPARE(abouts.size(), 1);
        QWidget* about = abouts.first();
        QVERIFY(about->parentWidget() == nullptr);
        QVERIFY(!about->isModal());
        QVERIFY(about->windowTitle().startsWith(QStringLiteral("嘉名")));
        const auto* caption = about->findChild<QLabel*>(QStringLiteral("标签_产品名称"));
        QVERIFY(caption->text().contains(QStringLiteral("嘉名")));
        QVERIFY(caption->text().contains(QStringLiteral(JIAMING_VERSION)));
        QVERIFY(!about->findChild<QLabel*>(QStringLiteral("标签_图片"))->pixmap().isNull());
        about->close();
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
