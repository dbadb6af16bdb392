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

#include <fstream>
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
            QCOMPARE(year->currentIndex(), 48);
            QCOMPARE(year->currentText(), QStringLiteral("2018"));
            const std::pair<const char*, int> others[]
                = { { "组合框_月份", 12 }, { "组合框_日子", 31 }, { "组合框_时间", 24 }, { "组合框_分钟", 60 } };
            for (const auto& [name, count] : others) {
                QCOMPARE(s.combo(name)->count(), count);
                QCOMPARE(s.combo(name)->currentIndex(), 0);
            }

            QVERIFY(s.find<QRadioButton>("单选框_经典起名")->isChecked());
            QCOMPARE(s.window->statusHintImage(), 0);
            QCOMPARE(s.window->statusHintText(), QStringLiteral("高速生成,以好听为主,不考虑名字的五行数理等因素"));
            QCOMPARE(s.window->skins().currentSkin(), kStartSkin);
            QCOMPARE(s.window->skins().skinCounter(), 1);
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
        for (int round = 0; round < 2; ++round) {
            // Whatever the user picked on the page, reopening resets it.
            s.combo("组合框_八字年份")->setCurrentIndex(3);
            s.combo("组合框_评分日子")->setCurrentIndex(5);

            clickItem(2);
            QCOMPARE(s.page(), 6);
            QCOMPARE(s.find<QLabel>("透明标签_起名日期")->text(), QStringLiteral("2020年1月1日17时"));
            QCOMPARE(items(s.combo("组合框_八字年份")).size(), 79);
            QCOMPARE(s.combo("组合框_八字年份")->currentIndex(), 43);
            QCOMPARE(s.combo("组合框_八字年份")->currentText(), QStringLiteral("2013"));
            QCOMPARE(items(s.combo("组合框_八字时间")), items(s.combo("组合框_时间")));
            for (const char* name : chartBoxes)
                QVERIFY(name == chartBoxes[0] || s.combo(name)->currentIndex() == 0);

            clickItem(4);
            QCOMPARE(s.page(), 7);
            QCOMPARE(s.text("编辑框_评分姓氏"), QStringLiteral("欧阳"));
            QCOMPARE(s.combo("组合框_评分年份")->currentText(), QStringLiteral("2013"));
            QCOMPARE(items(s.combo("组合框_评分分钟")).size(), 60);
            for (const char* name : scoreBoxes)
                QVERIFY(name == scoreBoxes[0] || s.combo(name)->currentIndex() == 0);
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

    void skinMenuStepsThroughTheSkinsOnce()
    {
        std::vector<int> applied;
        SkinSwitcher skins([&](int n) { applied.push_back(n); });
        for (int i = 0; i < 85; ++i)
            skins.nextSkin();
        QCOMPARE(static_cast<int>(applied.size()), kSkinCount);
        for (int i = 0; i < kSkinCount; ++i)
            QCOMPARE(applied[static_cast<std::size_t>(i)], i + 1);
        QCOMPARE(skins.currentSkin(), kSkinCount);
        QCOMPARE(skins.skinCounter(), 86);

        QSet<QString> sheets;
        for (int n = 1; n <= kSkinCount; ++n)
            sheets.insert(skinStyleSheet(n));
        QCOMPARE(sheets.size(), kSkinCount);
        QVERIFY(skinStyleSheet(0).isEmpty());
        QVERIFY(skinStyleSheet(kSkinCount + 1).isEmpty());

        Session s(file("skins.dat"));
        s.start(m_database);
        QCOMPARE(qApp->styleSheet(), skinStyleSheet(kStartSkin));
        s.action("菜单项_更换皮肤")->trigger();
        QCOMPARE(s.window->skins().currentSkin(), 1);
        QCOMPARE(qApp->styleSheet(), skinStyleSheet(1));
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
        QCOMPARE(critical->text, QString::fromUtf8(kMessageAttachFailed));
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
