// The window's side of "nothing lost, nothing overwritten": what it says
// about settings it cannot read or write, failed exports, refused names, and
// a record menu that acts only on the row under the pointer.
#include "shell/MainWindow.h"

#include "generate/ExportActions.h"
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

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include <fstream>
#include <memory>

#include <sys/stat.h>

using namespace jm;
using namespace jm::gui;

namespace {

struct Session : test::WindowSession {
    using WindowSession::WindowSession;

    bool said(const QString& part) const
    {
        for (const auto& m : messages.messages)
            if (m.text.contains(part)) return true;
        return false;
    }
};

void writeFile(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

} // namespace

class RobustnessTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempDir> m_dir;
    std::filesystem::path m_database;
    std::filesystem::path file(const char* name) const { return m_dir->path() / name; }

private Q_SLOTS:
    void initTestCase()
    {
        startUp(*qApp);
        m_dir = std::make_unique<test::TempDir>();
        m_database = test::FixtureBuilder::standard().write(m_dir->path() / "namedata.db");
        qputenv("JIAMING_DATA_DIR", QByteArray::fromStdString((m_dir->path() / "data").string()));
    }

    void anUnreadableSettingsFileIsSaidAndLeftAlone()
    {
        const auto config = file("unreadable.dat");
        std::filesystem::create_directory(config); // cannot be read as a file, even by root
        {
            Session s(config);
            s.start(m_database);
            QTRY_VERIFY(s.said(QStringLiteral("无法读取")));
            s.find<QLineEdit>("编辑框_姓氏")->setText(QStringLiteral("张"));
            s.window->close();
            QVERIFY(s.said(QStringLiteral("退出时仍无法保存")));
        }
        QVERIFY(std::filesystem::is_directory(config));
    }

    void aPartlyReadableFileIsBackedUpBeforeTheFirstSave()
    {
        const auto config = file("garbled.dat");
        const std::string original = toGbk("[设置]\r\n姓氏=王\r\n名字记录=张 三;1|\r\n这不是设置\r\n");
        writeFile(config, original);
        Session s(config);
        s.start(m_database);
        QTRY_VERIFY(s.said(QStringLiteral("备份")));
        QCOMPARE(s.find<QLineEdit>("编辑框_姓氏")->text(), QStringLiteral("王"));
        QCOMPARE(s.window->recordsPage().recordList().rowCount(), 1);
        s.window->close();
        QCOMPARE(*readFileBytes(file("garbled.dat.bak")), original);
    }

    void aSecondWindowOnTheSameFileIsToldAndNeverSaves()
    {
        const auto config = file("shared.dat");
        writeFile(config, toGbk("[设置]\r\n姓氏=王\r\n"));
        Session first(config);
        first.start(m_database);
        {
            Session second(config);
            second.start(m_database);
            QTRY_VERIFY(second.said(QStringLiteral("另一个嘉名窗口")));
            second.find<QLineEdit>("编辑框_姓氏")->setText(QStringLiteral("李"));
            second.window->close();
        }
        Settings onDisk(config);
        QVERIFY(onDisk.load());
        QCOMPARE(onDisk.surname(), std::string("王"));
        first.find<QLineEdit>("编辑框_姓氏")->setText(QStringLiteral("张"));
        first.window->close();
        QVERIFY(onDisk.load());
        QCOMPARE(onDisk.surname(), std::string("张"));
    }

    void longValuesAreNotCutByTheBoxes()
    {
        const auto config = file("long.dat");
        const QString longText(40000, QChar(0x660E)); // 明 × 40,000
        {
            Session s(config);
            s.start(m_database);
            s.find<QLineEdit>("编辑框_组合的字")->setText(longText);
            s.window->close();
        }
        Session s(config);
        s.start(m_database);
        QCOMPARE(s.find<QLineEdit>("编辑框_组合的字")->text().size(), longText.size());
    }

    void refusedNamesAreSaidAndTraditionalOnesRead()
    {
        Session s(file("names.dat"));
        s.start(m_database);
        const auto type = [&](const char* surname, const char* given) {
            s.find<QLineEdit>("编辑框_评分姓氏")->setText(QString::fromUtf8(surname));
            s.find<QLineEdit>("编辑框_评分名字")->setText(QString::fromUtf8(given));
            s.find<QPushButton>("按钮_评分")->click();
        };
        type("张", "A");
        QVERIFY(s.said(QStringLiteral("“A”")));
        type("张", "三丰伟");
        QVERIFY(s.said(QStringLiteral("最多2个字")));
        QCOMPARE(s.window->scoringPage().scoreList().rowCount(), 0);
        type("張", "三豐");
        QCOMPARE(s.window->scoringPage().scoreList().rowCount(), 1);
        QCOMPARE(s.window->scoringPage().scoreList().row(0).cells[1], QStringLiteral("张\r\n三丰"));

        // Generation refuses a surname with an unknown character before any run.
        s.messages.messages.clear();
        s.find<QLineEdit>("编辑框_姓氏")->setText(QStringLiteral("龍"));
        s.find<QPushButton>("按钮_起名")->click();
        QVERIFY(s.said(QStringLiteral("“龍”")));
    }

    void theRecordMenuActsOnlyOnTheRowUnderThePointer()
    {
        Session s(file("menu.dat"));
        s.start(m_database);
        RecordsPage& page = s.window->recordsPage();
        page.restoreRecords({ RecordFields { "张\r\n一" }, RecordFields { "张\r\n二" }, RecordFields { "张\r\n三" } });
        auto* view = s.find<QTreeView>("超级列表框_记录列表");
        view->resize(400, 300);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view));
        // Row 0 is selected; the pointer is on an empty area below the rows.
        view->selectionModel()->select(
            view->model()->index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        QCOMPARE(page.openRecordMenu(QPoint(5, view->viewport()->height() - 2)), -1);
        QVERIFY(!page.recordMenu()->isVisible());
        QCOMPARE(page.recordList().rowCount(), 3);

        // On row 2 with row 0 still selected: row 2 goes.
        view->selectionModel()->select(
            view->model()->index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        const QRect third = view->visualRect(view->model()->index(2, 1));
        QCOMPARE(page.openRecordMenu(third.center()), 2);
        page.deleteRecord();
        page.recordMenu()->hide();
        QCOMPARE(page.recordList().rowCount(), 2);
        QCOMPARE(page.recordList().row(0).cells.mid(0, 2), QStringList({ "1", "张\r\n一" }));
        QCOMPARE(page.recordList().row(1).cells.mid(0, 2), QStringList({ "2", "张\r\n二" }));
        QCOMPARE(page.records().size(), std::size_t { 2 });
    }

    void aFailedExportIsSaidAndNoOldFileIsOpened()
    {
        Session s(file("export.dat"));
        s.start(m_database);
        ExportActions& exports = s.window->exportActions();
        QStringList opened;
        exports.setOpener([&](const QString& path) { opened << path; });
        const auto old = file("data") / "NameList.txt";
        std::filesystem::create_directories(old.parent_path());
        writeFile(old, "an old export");
        ::chmod(old.c_str(), 0444); // read-only: the export must not replace it

        QVERIFY(exports.exportHighScore().isEmpty());
        QVERIFY(opened.isEmpty());
        QVERIFY(s.said(QStringLiteral("导出失败")));
        QVERIFY(s.said(QStringLiteral("只读")));
        QCOMPARE(*readFileBytes(old), std::string("an old export"));

        ::chmod(old.c_str(), 0644);
        QVERIFY(!exports.exportHighScore().isEmpty());
        QCOMPARE(opened.size(), 1);
    }
};

QTEST_MAIN(RobustnessTest)
#include "RobustnessTest.moc"
