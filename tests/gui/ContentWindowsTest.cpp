#include "content/ArticleReader.h"
#include "content/ContentRouter.h"
#include "content/DictionaryWindow.h"
#include "content/Documents.h"
#include "content/PageView.h"
#include "content/UserManual.h"
#include "data/Bootstrap.h"
#include "data/NameDatabase.h"
#include "scoring/DetailWindow.h"
#include "scoring/SinglePageWindow.h"
#include "settings/Paths.h"
#include "shell/Application.h"
#include "shell/MainWindow.h"
#include "support/FixtureDatabase.h"
#include "support/RecordingMessageService.h"
#include "text/Text.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>

#include <algorithm>
#include <memory>

using namespace jm;
using namespace jm::gui;

namespace {

// Every article menu item with the table and category it lists.
struct MenuCase {
    const char* item;
    const char* table;
    const char* category;
};
const MenuCase kMenu[] = {
    { "备孕百科", "育儿百科", "备孕百科" },
    { "孕期百科", "育儿百科", "孕期百科" },
    { "分娩百科", "育儿百科", "分娩百科" },
    { "0-1岁百科", "育儿百科", "0-1岁百科" },
    { "1-3岁百科", "育儿百科", "1-3岁百科" },
    { "3-6岁百科", "育儿百科", "3-6岁百科" },
    { "孕育指南", "育儿百科", "孕育指南" },
    { "教育早知道", "育儿百科", "教育早知道" },
    { "胎教", "育儿百科", "胎教" },
    { "早教资源", "育儿百科", "早教资源" },
    { "才艺培养", "育儿百科", "才艺培养" },
    { "游戏玩具", "育儿百科", "游戏玩具" },
    { "智力开发", "育儿百科", "智力开发" },
    { "行为心理", "育儿百科", "行为心理" },
    { "学前教育", "育儿百科", "学前教育" },
    { "母乳喂养", "育儿百科", "母乳喂养" },
    { "人工喂养", "育儿百科", "人工喂养" },
    { "补钙攻略", "育儿百科", "补钙攻略" },
    { "辅食添加", "育儿百科", "辅食添加" },
    { "营养元素", "育儿百科", "营养元素" },
    { "食疗保健", "育儿百科", "食疗保健" },
    { "食谱大全", "育儿百科", "食谱大全" },
    { "饮食宜忌", "育儿百科", "饮食宜忌" },
    { "均衡营养", "育儿百科", "均衡营养" },
    { "护理保健", "育儿百科", "护理保健" },
    { "生长发育", "育儿百科", "生长发育" },
    { "体格检查", "育儿百科", "体格检查" },
    { "预防免疫", "育儿百科", "预防免疫" },
    { "成人疾病", "育儿百科", "成人疾病" },
    { "儿科疾病", "育儿百科", "儿科疾病" },
    { "药物手册", "育儿百科", "药物手册" },
    { "出行安全", "育儿百科", "出行安全" },
    { "用品安全", "育儿百科", "用品安全" },
    { "家居安全", "育儿百科", "家居安全" },
    { "宠物安全", "育儿百科", "宠物安全" },
    { "医药安全", "育儿百科", "医药安全" },
    { "食品安全", "育儿百科", "食品安全" },
    { "幼儿园安全", "育儿百科", "幼儿园安全" },
    { "起名知识", "算命风水", "起名知识" },
    { "算命知识", "算命风水", "算命知识" },
    { "星座算命", "算命风水", "星座算命" },
    { "相术算命", "算命风水", "相术算命" },
    { "血型算命", "算命风水", "血型算命" },
    { "风水知识", "算命风水", "风水知识" },
    { "开运技巧", "算命风水", "开运技巧" },
};

QString q(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

/// Records what would have been printed instead of asking for a printer.
class RecordingPrinter final : public PagePrinter {
public:
    void print(QTextBrowser& viewer, QWidget*) override
    {
        viewers << viewer.objectName();
        texts << viewer.toPlainText().simplified();
    }
    QStringList viewers;
    QStringList texts;
};

/// Stands in for the desktop's opener of local files.
class UrlRecorder : public QObject {
    Q_OBJECT
public Q_SLOTS:
    void open(const QUrl& url) { urls << url; }

public:
    QList<QUrl> urls;
};

template <typename T> T* child(const QWidget* parent, const char* name)
{
    T* found = parent->findChild<T*>(q(name));
    if (!found) qFatal("no control %s", name);
    return found;
}

void clickTool(const QWidget* window, int item)
{
    child<QToolBar>(window, "工具条1")->actions().at(item)->trigger();
}

QStringList listTitles(const QTreeWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out << list->topLevelItem(i)->text(0);
    return out;
}

QString viewerText(const QWidget* window, const char* viewer = "网页浏览框1")
{
    return child<QTextBrowser>(window, viewer)->toPlainText().simplified();
}

} // namespace

class ContentWindowsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempDir> m_dir;
    std::filesystem::path m_database;
    std::filesystem::path m_pages;
    NameDatabase m_db;
    RecordingPrinter m_printer;

private Q_SLOTS:
    void initTestCase()
    {
        startUp(*qApp);
        m_dir = std::make_unique<test::TempDir>();
        m_pages = m_dir->path() / "data";
        std::filesystem::create_directories(m_pages);
        test::FixtureBuilder b = test::FixtureBuilder::standard();
        b.character({ "喆", 12, 12, "金", "zhé" });
        b.character({ "龙", 5, 16, "土", "lóng", "龍" });
        b.row("NM_百家姓", { "1", "张", "张起源", "张聚集", "张名人" });
        b.row("NM_百家姓", { "2", "欧阳", "欧阳起源", "欧阳聚集", "欧阳修" });
        int id = 1;
        for (const MenuCase& c : kMenu) {
            const std::string table = std::string("NM_") + c.table;
            const std::string n = std::to_string(id++);
            b.row(table, { n, n, c.category, std::string(c.category) + "的文章", std::string("内容：") + c.category });
        }
        b.row("NM_育儿百科", { "90", "90", "重名", "同名", "第一篇" });
        b.row("NM_育儿百科", { "91", "90", "重名", "引用", "<p>正文{文章标题}</p>" });
        b.row("NM_育儿百科", { "92", "90", "重名", "同名", "<p><b>第二篇</b></p>" });
        b.row("NM_算命风水", { "90", "90", "重名", "同名", "风水篇" });
        m_database = b.write(m_dir->path() / "namedata.db");
        const auto result = bootstrapDatabase(m_db, m_database.string());
        QVERIFY2(result.ok(), result.error().c_str());
    }

    void everyMenuItemListsItsCategory()
    {
        qputenv("JIAMING_CONFIG", QByteArray::fromStdString((m_dir->path() / "menu.dat").string()));
        qputenv("JIAMING_DATA_DIR", QByteArray::fromStdString(m_pages.string()));
        test::RecordingMessageService messages;
        NameDatabase db;
        MainWindow window(db, messages);
        window.start(m_database);
        QTRY_VERIFY(!db.isBootstrapping());
        ContentRouter& content = window.contentRouter();
        for (const MenuCase& c : kMenu) {
            const QString item = q(c.item);
            window.findChild<QAction*>(QStringLiteral("文章_") + item)->trigger();
            const ArticleReader* reader = content.articleReader();
            QVERIFY2(reader && reader->isVisible(), qPrintable(item));
            QCOMPARE(reader->windowTitle(), q(c.category));
            QCOMPARE(reader->currentArticleTable(), q(c.table));
            QCOMPARE(content.currentArticleTable(), q(c.table));
            const QString title = q(c.category) + QStringLiteral("的文章");
            QCOMPARE(listTitles(child<QTreeWidget>(reader, "超级列表框_文章阅读")), QStringList { title });
            QCOMPARE(viewerText(reader), title + QStringLiteral(" 内容：") + q(c.category));
        }
        // Closing destroys the reader; the next item opens a new one.
        content.articleReader()->close();
        QTRY_VERIFY(!content.articleReader());
        window.findChild<QAction*>(QStringLiteral("文章_胎教"))->trigger();
        QVERIFY(content.articleReader() && content.articleReader()->isVisible());
        QVERIFY(messages.messages.isEmpty());
    }

    void readerShowsTheArticleOfTheListedRow()
    {
        test::RecordingMessageService messages;
        ArticleReader reader(m_db, messages, m_pages);
        reader.setPagePrinter(m_printer);
        reader.show();
        auto* list = child<QTreeWidget>(&reader, "超级列表框_文章阅读");
        QCOMPARE(list->headerItem()->text(0), QStringLiteral("文章标题[点击阅读]"));

        reader.showArticleList(q("育儿百科"), q("重名"));
        QCOMPARE(listTitles(list), QStringList({ "同名", "引用", "同名" }));
        QCOMPARE(list->currentItem(), list->topLevelItem(0));
        QCOMPARE(viewerText(&reader), QStringLiteral("同名 第一篇"));

        // Same title, its own row; the page file holds it as GBK with its markup.
        list->setCurrentItem(list->topLevelItem(2));
        QCOMPARE(viewerText(&reader), QStringLiteral("同名 第二篇"));
        const std::string bytes = *readFileBytes(m_pages / "temp.html");
        QVERIFY(bytes.find(toGbk("<CENTER><H1>同名</H1></CENTER>\r\n<p><b>第二篇</b></p>\r\n")) != std::string::npos);
        QVERIFY(bytes.find("charset=gb2312") != std::string::npos);

        // A title placeholder inside the content is not replaced.
        list->setCurrentItem(list->topLevelItem(1));
        QCOMPARE(viewerText(&reader), QStringLiteral("引用 正文{文章标题}"));

        clickTool(&reader, ToolPrint);
        QCOMPARE(m_printer.viewers.takeLast(), QStringLiteral("网页浏览框1"));
        QCOMPARE(m_printer.texts.takeLast(), QStringLiteral("引用 正文{文章标题}"));

        // Switching tables: the list and the clicks read the new table.
        reader.showArticleList(q("算命风水"), q("重名"));
        QCOMPARE(reader.currentArticleTable(), q("算命风水"));
        QCOMPARE(listTitles(list), QStringList { "同名" });
        QCOMPARE(viewerText(&reader), QStringLiteral("同名 风水篇"));

        // An empty category: one empty entry, empty heading, no content.
        reader.showArticleList(q("育儿百科"), q("无此分类"));
        QCOMPARE(reader.windowTitle(), q("无此分类"));
        QCOMPARE(listTitles(list), QStringList { QString() });
        QCOMPARE(viewerText(&reader), QString());

        // List and viewer share a splitter; the list keeps its width when the window grows.
        reader.resize(900, 600);
        auto* splitter = child<QSplitter>(&reader, "分隔条_文章阅读");
        QCOMPARE(splitter->geometry(), QRect(0, 40, 900, 530));
        QCOMPARE(list->width(), 232);
        QCOMPARE(child<QTextBrowser>(&reader, "网页浏览框1")->geometry().left(), 236);
        QCOMPARE(child<QWidget>(&reader, "分组框4")->width(), 910);
        splitter->setSizes({ 400, 496 });
        QCOMPARE(list->width(), 400);

        clickTool(&reader, ToolExit);
        QVERIFY(!reader.isVisible());
    }

    // Whole titles in tooltips; 首页/后退/前进 move through what was read; 导出 saves the page.
    void readerNavigatesAndExports()
    {
        test::RecordingMessageService messages;
        ArticleReader reader(m_db, messages, m_pages);
        reader.show();
        auto* list = child<QTreeWidget>(&reader, "超级列表框_文章阅读");
        const QList<QAction*> tools = child<QToolBar>(&reader, "工具条1")->actions();
        const auto enabled = [&] {
            return QList<bool> { tools[ToolHome]->isEnabled(), tools[ToolBack]->isEnabled(),
                tools[ToolForward]->isEnabled(), tools[ToolExport]->isEnabled() };
        };
        QCOMPARE(enabled(), (QList<bool> { false, false, false, true }));

        reader.showArticleList(q("育儿百科"), q("重名"));
        QCOMPARE(list->topLevelItem(1)->toolTip(0), q("引用"));
        list->setCurrentItem(list->topLevelItem(2)); // 同名 第二篇
        reader.showArticleList(q("算命风水"), q("重名")); // 同名 风水篇
        QCOMPARE(viewerText(&reader), q("同名 风水篇"));
        QCOMPARE(enabled(), (QList<bool> { true, true, false, true }));

        clickTool(&reader, ToolBack);
        QCOMPARE(viewerText(&reader), q("同名 第二篇"));
        QCOMPARE(reader.windowTitle(), q("重名"));
        QCOMPARE(reader.currentArticleTable(), q("育儿百科"));
        QCOMPARE(list->currentItem(), list->topLevelItem(2));
        QCOMPARE(enabled(), (QList<bool> { true, true, true, true }));
        clickTool(&reader, ToolForward);
        QCOMPARE(viewerText(&reader), q("同名 风水篇"));
        QCOMPARE(reader.currentArticleTable(), q("算命风水"));
        clickTool(&reader, ToolHome);
        QCOMPARE(viewerText(&reader), q("同名 第一篇"));
        QCOMPARE(enabled(), (QList<bool> { false, false, true, true }));
        // Reading something new from here drops what lay ahead.
        list->setCurrentItem(list->topLevelItem(1));
        QCOMPARE(enabled(), (QList<bool> { true, true, false, true }));
        clickTool(&reader, ToolBack);
        QCOMPARE(viewerText(&reader), q("同名 第一篇"));

        // 导出 suggests the title in the data directory and reports where it saved.
        QString suggested;
        const auto exported = m_dir->path() / "导出.html";
        reader.setSaveFileChooser([&](QWidget*, const QString& file) {
            suggested = file;
            return QString::fromStdString(exported.string());
        });
        clickTool(&reader, ToolExport);
        QCOMPARE(suggested, QString::fromStdString((m_pages / "同名.html").string()));
        const std::optional<std::string> bytes = readFileBytes(exported);
        QVERIFY(bytes && bytes->find(toGbk("<CENTER><H1>同名</H1></CENTER>\r\n第一篇")) != std::string::npos);
        QCOMPARE(messages.messages.size(), 1);
        QVERIFY(messages.messages[0].text.contains(QString::fromStdString(exported.string())));
        QCOMPARE(messages.messages[0].icon, MessageService::Icon::Information);

        // A cancelled dialog does nothing; a file that cannot be written is reported.
        reader.setSaveFileChooser([](QWidget*, const QString&) { return QString(); });
        clickTool(&reader, ToolExport);
        QCOMPARE(messages.messages.size(), 1);
        const QString blocked = QString::fromStdString((m_database / "x.html").string());
        reader.setSaveFileChooser([&](QWidget*, const QString&) { return blocked; });
        clickTool(&reader, ToolExport);
        QCOMPARE(messages.messages.size(), 2);
        QCOMPARE(messages.messages[1].icon, MessageService::Icon::Warning);
        QVERIFY(messages.messages[1].text.contains(blocked));
    }

    void detailWindowShowsThePagesOfTheName()
    {
        DetailWindow window(m_db, m_pages);
        window.setPagePrinter(m_printer);
        auto* tabs = child<QTabWidget>(&window, "高级选择夹1");
        QCOMPARE(tabs->count(), 6);
        QCOMPARE(tabs->tabText(0), QStringLiteral("姓名详细解释"));
        for (int i = 1; i < 6; ++i)
            QVERIFY(!tabs->isTabVisible(i));

        struct Case {
            const char* surname;
            const char* given;
            QStringList titles; // of the visible pages, in page order
        };
        // Largest first, on one window: a shorter name must hide the earlier pages.
        const Case cases[] = {
            { "欧阳", "明华丰", { "姓名详细解释", "欧", "阳", "明", "华", "姓氏起源" } },
            { "张", "三丰", { "姓名详细解释", "张", "三", "丰", "姓氏起源" } },
            { "张", "喆", { "姓名详细解释", "张", "喆", "姓氏起源" } },
        };
        for (const Case& c : cases) {
            const QString name = q(c.surname) + q(c.given);
            window.showName(q(c.surname), q(c.given));
            QVERIFY(window.isVisible());
            QCOMPARE(window.windowTitle(), name + QStringLiteral("姓名详细解释"));
            QCOMPARE(tabs->currentIndex(), 0);
            QStringList visible;
            for (int i = 0; i < 6; ++i)
                if (tabs->isTabVisible(i)) visible << tabs->tabText(i);
            QCOMPARE(visible, c.titles);
            // Page 0 is the report of this name.
            QVERIFY(viewerText(&window, "网页浏览框1").contains(QStringLiteral("姓名五格评分")));
            for (int i = 1; i <= 5; ++i)
                QCOMPARE(viewerText(&window, qPrintable(QStringLiteral("网页浏览框%1").arg(i + 1))), QString());
        }

        // Selecting a page reads its file; 喆 survives the GBK page.
        tabs->setCurrentIndex(2);
        QVERIFY(viewerText(&window, "网页浏览框3").contains(QStringLiteral("详细解释喆")));
        tabs->setCurrentIndex(5);
        QVERIFY(viewerText(&window, "网页浏览框6").contains(QStringLiteral("张起源")));
        tabs->setCurrentIndex(1);
        QVERIFY(viewerText(&window, "网页浏览框2").contains(QStringLiteral("详细解释张")));
        QVERIFY(!viewerText(&window, "网页浏览框2").contains(QStringLiteral("欧")));

        // Printing prints the page on show.
        window.showName(q("张"), q("三丰"));
        tabs->setCurrentIndex(3);
        clickTool(&window, ToolPrint);
        QCOMPARE(m_printer.viewers.takeLast(), QStringLiteral("网页浏览框4"));
        QVERIFY(m_printer.texts.takeLast().contains(QStringLiteral("详细解释丰")));

        window.resize(800, 600);
        QCOMPARE(tabs->size(), QSize(799, 530));
        QCOMPARE(child<QTextBrowser>(&window, "网页浏览框4")->size(), QSize(792, 496));
        QCOMPARE(child<QWidget>(&window, "分组框4")->width(), 810);

        clickTool(&window, ToolExit);
        QVERIFY(!window.isVisible());
    }

    void detailWindowExportsAndPrintsInPoints()
    {
        DetailWindow window(m_db, m_pages);
        window.showName(q("张"), q("三丰"));
        const QList<QAction*> tools = child<QToolBar>(&window, "工具条1")->actions();
        // No history in this window: 首页, 后退, 前进 and their separators are hidden.
        for (int i = ToolHome; i < ToolExport; ++i)
            QVERIFY2(!tools.at(i)->isVisible(), qPrintable(QString::number(i)));
        QVERIFY(tools.at(ToolExport)->isVisible() && tools.at(ToolExport)->isEnabled());

        QString suggested;
        QString answer;
        window.setExportChooser([&](QWidget*, const QString& path) {
            suggested = path;
            return answer;
        });
        const QString dir = QString::fromStdString(m_dir->path().string());
        const auto exportTo = [&](const QString& file) {
            answer = file;
            clickTool(&window, ToolExport);
            return window.statusText();
        };
        const QString html = dir + "/张三丰.html";
        QCOMPARE(exportTo(html), QStringLiteral("已导出到 ") + QDir::toNativeSeparators(html));
        QCOMPARE(suggested, QString::fromStdString((m_pages / "张三丰.html").string()));
        const auto bytes = readFileBytes(std::filesystem::path(html.toStdU16String()));
        QVERIFY(bytes);
        QVERIFY(QString::fromStdString(fromGbk(*bytes)).contains(QStringLiteral("姓名五格评分")));

        const QString pdf = dir + "/张三丰.PDF";
        QCOMPARE(exportTo(pdf), QStringLiteral("已导出到 ") + QDir::toNativeSeparators(pdf));
        QFile pdfFile(pdf);
        QVERIFY(pdfFile.open(QIODevice::ReadOnly));
        QVERIFY(pdfFile.read(5) == "%PDF-");
        // Where poppler's pdftotext is installed: the words' boxes on the
        // page. A box is the font's ascent plus descent high, 1.1 to 1.45 em
        // (the CJK fonts the most), so 9-12 pt text gives boxes of 9.9-17.4 pt.
        if (const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext")); !tool.isEmpty()) {
            QProcess run;
            run.start(tool, { QStringLiteral("-bbox"), pdf, QStringLiteral("-") });
            QVERIFY(run.waitForFinished(60000));
            const QString boxes = QString::fromUtf8(run.readAllStandardOutput());
            static const QRegularExpression word(
                QStringLiteral("yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\""));
            QList<double> heights;
            for (auto m = word.globalMatch(boxes); m.hasNext();) {
                const auto hit = m.next();
                heights << hit.captured(2).toDouble() - hit.captured(1).toDouble();
            }
            QVERIFY(heights.size() > 20);
            std::sort(heights.begin(), heights.end());
            const double median = heights[heights.size() / 2];
            qInfo("PDF word boxes: %lld, median height %.2f pt", static_cast<long long>(heights.size()), median);
            QVERIFY2(median >= 9 * 1.1 && median <= 12 * 1.45, qPrintable(QString::number(median)));
        }

        // A place that cannot be written says so; a cancelled dialog says nothing new.
        for (const char* name : { "/namedata.db/x.html", "/namedata.db/x.pdf" })
            QVERIFY(exportTo(dir + name).startsWith(QStringLiteral("导出失败")));
        const QString before = window.statusText();
        QCOMPARE(exportTo(QString()), before);

        // The paper copy gives every pixel size in points: body text 9 to 12 pt.
        const QTextDocument& shown = *child<QTextBrowser>(&window, "网页浏览框1")->document();
        const auto sizes = [](const QTextDocument& document) {
            QMap<double, int> characters; // size in points (-1: in pixels) -> characters
            for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
                for (auto it = block.begin(); !it.atEnd(); ++it) {
                    const QTextCharFormat f = it.fragment().charFormat();
                    const double size = f.hasProperty(QTextFormat::FontPixelSize) ? -1.0 : f.font().pointSizeF();
                    characters[size] += it.fragment().length();
                }
            return characters;
        };
        QVERIFY(sizes(shown).contains(-1.0));
        const QMap<double, int> paper = sizes(*printableDocument(shown));
        QVERIFY(!paper.contains(-1.0));
        const double body = std::max_element(paper.begin(), paper.end()).key();
        QVERIFY2(body >= 9 && body <= 12, qPrintable(QString::number(body)));
    }

    void pagesShowWithoutAWritableDirectory()
    {
        // A data directory under a file cannot be created: every window shows its page from memory.
        const auto blocked = m_dir->path() / "namedata.db" / "data";
        test::RecordingMessageService messages;
        DetailWindow detail(m_db, blocked);
        detail.showName(q("张"), q("喆"));
        QVERIFY(viewerText(&detail, "网页浏览框1").contains(QStringLiteral("姓名五格评分")));
        child<QTabWidget>(&detail, "高级选择夹1")->setCurrentIndex(2);
        QVERIFY(viewerText(&detail, "网页浏览框3").contains(QStringLiteral("详细解释喆")));

        ArticleReader reader(m_db, messages, blocked);
        reader.showArticleList(q("育儿百科"), q("重名"));
        QCOMPARE(viewerText(&reader), QStringLiteral("同名 第一篇"));

        DictionaryWindow dictionary(m_db, messages, blocked);
        child<QLineEdit>(&dictionary, "编辑框1")->setText(q("明"));
        dictionary.lookUpCharacter();
        QVERIFY(dictionary.pageWindow()->viewer().toPlainText().contains(QStringLiteral("míng")));
    }

    void dictionaryListsTheTypedCharacters()
    {
        test::RecordingMessageService messages;
        DictionaryWindow dictionary(m_db, messages, m_pages);
        dictionary.show();
        QCOMPARE(dictionary.windowTitle(), QStringLiteral("汉字查询"));
        QCOMPARE(child<QWidget>(&dictionary, "透明标签1")->property("text").toString(),
            QStringLiteral("请输入要查询的汉字:"));
        auto* edit = child<QLineEdit>(&dictionary, "编辑框1");
        auto* button = child<QPushButton>(&dictionary, "按钮_查询");
        auto* list = child<QListWidget>(&dictionary, "列表框_查询结果");
        QCOMPARE(button->text(), QStringLiteral("查询"));
        const auto entries = [list] {
            QStringList out;
            for (int i = 0; i < list->count(); ++i)
                out << list->item(i)->text();
            return out;
        };

        struct Case {
            const char* typed;
            QStringList entries;
            const char* caption; // of the page shown first
            QStringList shown;
            const char* message; // part of the one message expected, or null
        };
        const Case cases[] = {
            { "明", { "明" }, " 汉字[ 明 ]的详细解释", { "míng", "简体笔划：8", "繁体笔划：8", "详细解释明" },
                nullptr },
            // A traditional character finds the row whose 繁体 it is.
            { "龍", { "龍 → 龙（简体）" }, " 汉字[ 龍（龙） ]的详细解释", { "lóng", "繁体笔划：16" }, nullptr },
            { "张三", { "张", "三" }, " 汉字[ 张 ]的详细解释", { "详细解释张" }, nullptr },
            { "明龘", { "明" }, " 汉字[ 明 ]的详细解释", { "míng" }, "字典中没有“龘”；其余的字已列在下方。" },
        };
        for (const Case& c : cases) {
            messages.messages.clear();
            edit->setText(q(c.typed));
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(entries(), c.entries);
            SinglePageWindow* page = dictionary.pageWindow();
            QVERIFY(page && page->isVisible());
            QCOMPARE(page->windowTitle(), q(c.caption));
            const QString text = page->viewer().toPlainText();
            for (const QString& part : c.shown)
                QVERIFY2(text.contains(part), qPrintable(text));
            QCOMPARE(messages.messages.size(), c.message ? 1 : 0);
            if (c.message) QCOMPARE(messages.messages[0].text, q(c.message));
        }
        // The characters of 张三 one by one: the second entry shows its own page.
        edit->setText(q("张三"));
        QTest::mouseClick(button, Qt::LeftButton);
        list->setCurrentRow(1);
        QCOMPARE(dictionary.pageWindow()->windowTitle(), q(" 汉字[ 三 ]的详细解释"));
        QVERIFY(dictionary.pageWindow()->viewer().toPlainText().contains(q("详细解释三")));
        QVERIFY(readFileBytes(m_pages / "temp.html")->find(toGbk("详细解释三")) != std::string::npos);

        // An empty box and an unknown character say so and list nothing.
        const struct {
            const char* typed;
            const char* message;
        } failures[] = {
            { "", "请先在输入框中输入要查询的汉字。" },
            { "  ", "请先在输入框中输入要查询的汉字。" },
            { "龘", "字典中没有“龘”，请检查输入的字。" },
            { "<b>", "字典中没有“<、b、>”，请检查输入的字。" },
        };
        for (const auto& f : failures) {
            messages.messages.clear();
            edit->setText(q(f.typed));
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(list->count(), 0);
            QCOMPARE(messages.messages.size(), 1);
            QCOMPARE(messages.messages[0].text, q(f.message));
            QCOMPARE(messages.messages[0].title, QStringLiteral("提示"));
        }
        QCOMPARE(edit->text(), QStringLiteral("<b>"));

        dictionary.pageWindow()->setPagePrinter(m_printer);
        clickTool(dictionary.pageWindow(), ToolPrint);
        QCOMPARE(m_printer.viewers.takeLast(), QStringLiteral("网页浏览框1"));
        dictionary.pageWindow()->resize(600, 400);
        QCOMPARE(dictionary.pageWindow()->viewer().geometry(), QRect(0, 40, 599, 330));
        clickTool(dictionary.pageWindow(), ToolExit);
        QTRY_VERIFY(!dictionary.pageWindow());
    }

    void documentsOpenThroughTheDesktop()
    {
        UrlRecorder recorder;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
        const auto manual = m_dir->path() / "用户手册.html";
        QVERIFY(writeFileAtomically(manual, "<html></html>"));
        QVERIFY(openDocument(QString::fromStdString(manual.string())));
        QVERIFY(!openDocument(QString::fromStdString((m_dir->path() / "无.doc").string())));
        QCOMPARE(recorder.urls, QList<QUrl> { QUrl::fromLocalFile(QString::fromStdString(manual.string())) });

        // 使用帮助 opens the manual the build put beside the program.
        recorder.urls.clear();
        const auto installed = userManualPath();
        QCOMPARE(installed, programDirectory() / "Help" / "用户手册.html");
        QVERIFY(std::filesystem::is_regular_file(installed));
        QVERIFY(readFileBytes(installed)->find("src=\"screenshots/detail-window.png\"") != std::string::npos);
        QVERIFY(std::filesystem::is_regular_file(programDirectory() / "Help" / "screenshots" / "detail-window.png"));
        qputenv("JIAMING_CONFIG", QByteArray::fromStdString((m_dir->path() / "help.dat").string()));
        test::RecordingMessageService messages;
        NameDatabase db;
        MainWindow window(db, messages);
        window.findChild<QAction*>(QStringLiteral("菜单项_使用帮助"))->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(recorder.urls, QList<QUrl> { QUrl::fromLocalFile(QString::fromStdString(installed.string())) });
        QVERIFY(!window.contentRouter().manualWindow());

        // Without a desktop program for it (the offscreen platform has none), the program shows it itself.
        window.findChild<QAction*>(QStringLiteral("菜单项_使用帮助"))->trigger();
        SinglePageWindow* shown = window.contentRouter().manualWindow();
        QVERIFY(shown && shown->isVisible());
        QCOMPARE(shown->windowTitle(), QStringLiteral("用户手册"));
        QVERIFY(shown->viewer().toPlainText().contains(QStringLiteral("嘉名")));
        QVERIFY(messages.messages.isEmpty());
    }
};

QTEST_MAIN(ContentWindowsTest)
#include "ContentWindowsTest.moc"
