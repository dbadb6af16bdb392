#include "generate/PoemPage.h"
#include "data/NameDatabase.h"
#include "generate/GenerationPage.h"
#include "generate/GenerationWorker.h"
#include "scoring/Pages.h"
#include "settings/Paths.h"
#include "shell/MainWindow.h"
#include "shell/NameListModel.h"
#include "support/PoemFixture.h"
#include "support/RecordingMessageService.h"
#include "text/Text.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeView>
#include <QtTest>

#include <filesystem>
#include <memory>

using namespace jm::gui;

namespace {

QString u8(const char* text)
{
    return QString::fromUtf8(text);
}

/// A started main window over the poem fixture (or another database file),
/// with the poem page controller the window owns.
struct PoemSession {
    explicit PoemSession(std::filesystem::path database = {})
    {
        qputenv("JIAMING_CONFIG", (dir.path() + "/config.dat").toUtf8());
        qputenv("JIAMING_DATA_DIR", (dir.path() + "/data").toUtf8());
        if (database.empty()) {
            jm::test::FixtureBuilder b = jm::test::FixtureBuilder::standard();
            database = jm::test::addPoems(b).write((dir.path() + "/poems.db").toStdString());
        }
        window = std::make_unique<MainWindow>(db, messages);
        window->start(database);
        page = &window->poemPage();
    }
    template <typename T> T* child(const char* name) const
    {
        T* found = window->findChild<T*>(QString::fromUtf8(name));
        if (!found) qFatal("no control %s", name);
        return found;
    }
    NameListModel& poems() { return window->poemPage().poemList(); }
    /// Selects a poet and waits until its poems are listed.
    void selectPoet(int row)
    {
        selectIn(child<QTreeView>("超级列表框_诗人列表"), row);
        QVERIFY(QTest::qWaitFor([this] { return !page->isPoetChangePending(); }));
    }
    void selectPoem(int row) { selectIn(child<QTreeView>("超级列表框_诗词残"), row); }
    static void selectIn(QTreeView* view, int row)
    {
        view->selectionModel()->setCurrentIndex(
            view->model()->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    QStringList captions() const
    {
        QStringList out;
        for (const PoemCharacterBox* box : page->boxes())
            out << box->text();
        return out;
    }
    QString checkedText() const
    {
        QString out;
        for (const PoemCharacterBox* box : page->boxes())
            if (box->isChecked()) out += box->text();
        return out;
    }

    QTemporaryDir dir;
    jm::NameDatabase db;
    jm::test::RecordingMessageService messages;
    std::unique_ptr<MainWindow> window;
    PoemPage* page = nullptr;
};

QString characters(const std::string& content)
{
    QString text = QString::fromStdString(content);
    return text.remove(u8("，")).remove(u8("。"));
}

} // namespace

class PoemPageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sameTitleShowsAndUsesTheSelectedPoetsPoem();
    void boxesInRowsOfFifteenAndTheirButtons();
    void runUsesEachTickedCharacterOnceAndTheSurnameOnce();
    void poetWithoutPoemsAsksForAPoem();
    void shippedPoetListFillsAtOnce();
    void searchesFilterAsYouTypeAndPoemsWaitForTheRowToSettle();
};

void PoemPageTest::sameTitleShowsAndUsesTheSelectedPoetsPoem()
{
    PoemSession s;
    QTRY_VERIFY(!s.db.isBootstrapping());
    s.page->openPage();
    QCOMPARE(s.child<QTabWidget>("高级选择夹1")->currentIndex(), 2);
    const auto& poets = s.window->poemPage().poetList();
    QCOMPARE(poets.rowCount(), 3);
    QCOMPARE(poets.row(0).cells, (QStringList { u8("1"), u8("李白") }));
    QCOMPARE(poets.row(1).cells, (QStringList { u8("2"), u8("王维") }));
    QCOMPARE(s.poems().rowCount(), 2);
    QCOMPARE(s.poems().row(0).cells, (QStringList { u8("1"), u8("山中") }));
    QVERIFY(s.child<QTextBrowser>("网页浏览框1")
                ->toPlainText()
                .contains(QString::fromStdString(jm::test::kLiBaiShanZhong)));

    s.selectPoet(1); // 王维: his 山中, not 李白's
    QCOMPARE(s.poems().rowCount(), 1);
    QCOMPARE(s.poems().row(0).cells.value(1), u8("山中"));
    const QString shown = s.child<QTextBrowser>("网页浏览框1")->toPlainText();
    QVERIFY2(shown.contains(u8("王维:山中")), qPrintable(shown));
    QVERIFY(shown.contains(u8("金山阿强，王伟华丰三。")));
    // The page on disk is the GBK page of that poem.
    const auto bytes = jm::readFileBytes(jm::pageFilePath(jm::dataDirectory(), 0));
    QVERIFY(bytes);
    QVERIFY(QString::fromStdString(jm::fromGbk(*bytes)).contains(u8("<b>王维:山中</b>")));

    s.child<QPushButton>("按钮2")->click();
    QCOMPARE(s.captions().join(QString()), characters(jm::test::kWangWeiShanZhong));
    QCOMPARE(s.checkedText(), u8("金王"));
    QCOMPARE(s.child<QTabWidget>("高级选择夹2")->currentIndex(), 1);
    QVERIFY(s.messages.messages.isEmpty());
}

void PoemPageTest::boxesInRowsOfFifteenAndTheirButtons()
{
    PoemSession s;
    QTRY_VERIFY(!s.db.isBootstrapping());
    s.page->openPage();
    s.selectPoem(1); // 李白's 长诗: 31 characters
    s.child<QPushButton>("按钮2")->click();
    const auto& boxes = s.page->boxes();
    QCOMPARE(int(boxes.size()), 31);
    QGroupBox* group = s.child<QGroupBox>("分组框_诗词字符");
    const QPoint origin = group->contentsRect().topLeft();
    QList<int> perRow = { 0, 0, 0 };
    for (int i = 0; i < 31; ++i) {
        const PoemCharacterBox* box = boxes[static_cast<std::size_t>(i)];
        QCOMPARE(box->parentWidget(), group);
        QVERIFY(!box->isHidden());
        const QRect want(origin.x() + (i % 15) * 40, origin.y() + (i / 15) * 20, 70, 20);
        QCOMPARE(box->geometry(), want);
        ++perRow[box->y() == origin.y() ? 0 : box->y() == origin.y() + 20 ? 1 : 2];
    }
    QCOMPARE(perRow, (QList<int> { 15, 15, 1 }));
    QCOMPARE(boxes[30]->geometry().topLeft(), origin + QPoint(0, 40));
    QVERIFY2(group->minimumHeight() > boxes[30]->geometry().bottom(), "the group box holds every row");
    // Only 明 is marked; 李 is marked too but is not in the poem.
    QCOMPARE(s.checkedText(), u8("明明明"));
    QVERIFY2(s.child<QCheckBox>("选择框1")->isHidden(), "the template stays hidden");

    s.child<QPushButton>("按钮6")->click(); // 反选
    QCOMPARE(s.checkedText().size(), 28);
    QVERIFY(!s.checkedText().contains(u8("明")));
    s.child<QPushButton>("按钮4")->click(); // 全清
    QCOMPARE(s.checkedText(), QString());
    s.child<QPushButton>("按钮3")->click(); // 全选
    QCOMPARE(s.checkedText().size(), 31);

    // Using a poem again replaces the boxes.
    s.child<QPushButton>("按钮2")->click();
    QCOMPARE(int(s.page->boxes().size()), 31);
    QCOMPARE(group->findChildren<PoemCharacterBox*>().size(), 31);
}

void PoemPageTest::runUsesEachTickedCharacterOnceAndTheSurnameOnce()
{
    PoemSession s;
    QTRY_VERIFY(!s.db.isBootstrapping());
    s.page->openPage();
    s.selectPoem(1);
    s.child<QPushButton>("按钮2")->click();
    s.child<QPushButton>("按钮3")->click(); // every box: 明 three times, 王 (the surname) four times

    jm::GenerationRequest request;
    request.mode = jm::GenerationMode::Poem;
    request.surname = "王";
    s.page->fillRequest(request);
    QCOMPARE(int(request.poem.characters.size()), 31);
    jm::RunControl control;
    jm::GenerationSink sink;
    const jm::GenerationResult result = jm::GenerationWorker(s.db, control).run(request, sink);
    QStringList candidates;
    for (const auto& c : result.candidateCharacters)
        candidates << QString::fromStdString(c);
    QCOMPARE(candidates.join(QString()), u8("明华王海林金山小儿阿强安"));
    // 12 characters, 11 without the surname, all usable: 11 × 11 names.
    QCOMPARE(int(result.rowCount()), 121);
    for (const auto& row : result.rows())
        QVERIFY(row[jm::NameRow::Name].rfind("王", 0) == 0);
    QCOMPARE(s.child<QTabWidget>("高级选择夹2")->currentIndex(), 1);
    s.page->showNameList();
    QCOMPARE(s.child<QTabWidget>("高级选择夹2")->currentIndex(), 2);
}

void PoemPageTest::poetWithoutPoemsAsksForAPoem()
{
    PoemSession s;
    QTRY_VERIFY(!s.db.isBootstrapping());
    s.page->openPage();
    s.child<QPushButton>("按钮2")->click();
    QCOMPARE(int(s.page->boxes().size()), 10);

    s.selectPoet(2); // 无名: the list shows one empty row, which is no poem
    QCOMPARE(s.poems().rowCount(), 1);
    QCOMPARE(s.poems().row(0).cells.value(1), QString());
    s.child<QPushButton>("按钮2")->click();
    QVERIFY2(s.page->boxes().empty(), "the old boxes go first");
    QCOMPARE(s.messages.messages.size(), 1);
    QCOMPARE(s.messages.messages[0].text, u8("请选择一首诗词"));
    QCOMPARE(s.messages.messages[0].title, u8("提示"));
    jm::GenerationRequest request;
    request.poem.characters = { "x" };
    s.page->fillRequest(request);
    QVERIFY(request.poem.characters.empty());
}

void PoemPageTest::shippedPoetListFillsAtOnce()
{
    const QString shipped = qEnvironmentVariable("JIAMING_SHIPPED_DB");
    if (shipped.isEmpty() || !QFile::exists(shipped)) QSKIP("shipped database not built");
    PoemSession s(shipped.toStdString());
    QTRY_VERIFY_WITH_TIMEOUT(!s.db.isBootstrapping(), 30000);
    QElapsedTimer timer;
    timer.start();
    s.page->openPage();
    const qint64 fill = timer.elapsed();
    const auto& poets = s.window->poemPage().poetList();
    QVERIFY(poets.rowCount() > 3000);
    QCOMPARE(poets.row(0).cells.value(1), u8("李白"));
    QVERIFY(s.poems().rowCount() > 1000);
    timer.restart();
    s.selectPoet(1);
    const qint64 poet = timer.elapsed();
    timer.restart();
    s.child<QPushButton>("按钮2")->click();
    const qint64 boxes = timer.elapsed();
    qInfo("poet list with the first poet's poems: %lld ms; another poet: %lld ms; boxes: %lld ms", fill, poet, boxes);
}

void PoemPageTest::searchesFilterAsYouTypeAndPoemsWaitForTheRowToSettle()
{
    PoemSession s;
    QTRY_VERIFY(!s.db.isBootstrapping());
    s.page->openPage();
    const auto& poets = s.page->poetList();
    auto* poetSearch = s.child<QLineEdit>("编辑框_搜索诗人");
    auto* titleSearch = s.child<QLineEdit>("编辑框_搜索标题");

    // A poet keeps its number; the first match's poems are listed at once.
    poetSearch->setText(u8(" 王"));
    QCOMPARE(poets.rowCount(), 1);
    QCOMPARE(poets.row(0).cells, (QStringList { u8("2"), u8("王维") }));
    QVERIFY(!s.page->isPoetChangePending());
    QCOMPARE(s.poems().rowCount(), 1);
    QVERIFY(s.child<QTextBrowser>("网页浏览框1")->toPlainText().contains(u8("王维:山中")));
    poetSearch->setText(u8("杜"));
    QCOMPARE(poets.rowCount(), 0);
    QCOMPARE(s.poems().rowCount(), 0);
    s.child<QPushButton>("按钮2")->click();
    QCOMPARE(s.messages.messages.size(), 1); // nothing to use
    poetSearch->clear();
    QCOMPARE(poets.rowCount(), 3);

    // 李白 has 山中 and 长诗: the title search keeps the numbers and ids.
    QCOMPARE(s.poems().rowCount(), 2);
    titleSearch->setText(u8("长"));
    QCOMPARE(s.poems().rowCount(), 1);
    QCOMPARE(s.poems().row(0).cells, (QStringList { u8("2"), u8("长诗") }));
    QCOMPARE(s.page->selectedPoemId(), 12LL);
    titleSearch->clear();
    QCOMPARE(s.poems().rowCount(), 2);

    // Moving through the poets reloads only once the row stays put.
    auto* view = s.child<QTreeView>("超级列表框_诗人列表");
    PoemSession::selectIn(view, 1);
    PoemSession::selectIn(view, 2);
    QVERIFY(s.page->isPoetChangePending());
    QCOMPARE(s.poems().rowCount(), 2); // still 李白's
    QVERIFY(QTest::qWaitFor([&] { return !s.page->isPoetChangePending(); }));
    QCOMPARE(s.poems().rowCount(), 1); // 无名's one empty row
    QCOMPARE(s.poems().row(0).cells.value(1), QString());
}

QTEST_MAIN(PoemPageTest)
#include "PoemPageTest.moc"
