#include "scoring/ScoringPage.h"

#include "data/NameDatabase.h"
#include "scoring/NameAnalysis.h"
#include "scoring/RecordsPage.h"
#include "settings/Paths.h"
#include "shell/Application.h"
#include "shell/MainWindow.h"
#include "shell/NameListModel.h"
#include "support/FixtureDatabase.h"
#include "support/RecordingMessageService.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

#include <memory>

using namespace jm;
using namespace jm::gui;
using Icon = gui::MessageService::Icon;

class ScoringPageTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempDir> m_dir;
    test::RecordingMessageService m_messages;
    NameDatabase m_db;
    std::unique_ptr<MainWindow> m_window;

    ScoringPage& page() { return m_window->scoringPage(); }
    RecordsPage& records() { return m_window->recordsPage(); }
    void type(const QString& surname, const QString& given)
    {
        m_window->findChild<QLineEdit*>(QStringLiteral("编辑框_评分姓氏"))->setText(surname);
        m_window->findChild<QLineEdit*>(QStringLiteral("编辑框_评分名字"))->setText(given);
        m_window->findChild<QPushButton*>(QStringLiteral("按钮_评分"))->click();
    }
    QStringList names(const NameListModel& list)
    {
        QStringList out;
        for (const ListRow& row : list.rows())
            out << row.cells[0] + QLatin1Char(':') + row.cells[1];
        return out;
    }

private Q_SLOTS:
    void initTestCase()
    {
        startUp(*qApp);
        m_dir = std::make_unique<test::TempDir>();
        const auto database = test::FixtureBuilder::standard().write(m_dir->path() / "namedata.db");
        qputenv("JIAMING_DATA_DIR", QByteArray::fromStdString((m_dir->path() / "data").string()));
        qputenv("JIAMING_CONFIG", QByteArray::fromStdString((m_dir->path() / "config.dat").string()));
        m_window = std::make_unique<MainWindow>(m_db, m_messages);
        m_window->start(database);
        QTRY_VERIFY(!m_db.isBootstrapping());
    }
    void cleanupTestCase() { m_window.reset(); }
    void init()
    {
        m_messages.messages.clear();
        page().scoreList().clear();
    }

    void emptyBoxesAreReported()
    {
        const struct {
            const char* surname;
            const char* given;
            const char* message;
        } cases[] = { { "", "三丰", "请输入姓氏" }, { "张", "", "请输入名字" }, { "", "", "请输入姓氏" } };
        for (const auto& c : cases) {
            m_messages.messages.clear();
            type(QString::fromUtf8(c.surname), QString::fromUtf8(c.given));
            QCOMPARE(m_messages.messages.size(), 1);
            QCOMPARE(m_messages.messages[0].text, QString::fromUtf8(c.message));
            QCOMPARE(m_messages.messages[0].title, QStringLiteral("提示"));
            QCOMPARE(page().scoreList().rowCount(), 0);
        }
    }

    void aRatedNameIsListedOnce()
    {
        const auto report = m_dir->path() / "data" / "temp.html";
        std::filesystem::remove(report);
        type(QStringLiteral("张"), QStringLiteral("三丰"));
        type(QStringLiteral("张"), QStringLiteral("三丰"));
        type(QStringLiteral("张三"), QStringLiteral("丰")); // the line break falls elsewhere
        QVERIFY(m_messages.messages.isEmpty());
        type(QStringLiteral(" "), QStringLiteral("丰")); // spaces alone are no surname
        QCOMPARE(m_messages.messages.size(), 1);
        QCOMPARE(m_messages.messages[0].text, QStringLiteral("请输入姓氏"));
        QCOMPARE(names(page().scoreList()), QStringList({ "1:张\r\n三丰", "2:张三\r\n丰" }));

        const NameAnalysis analysis = analyseName(m_db, "张", "三丰");
        const QStringList expected = { "1", "张\r\n三丰", QString::number(analysis.grids.simplifiedTotal), "32",
            QString::fromStdString(analysis.grids.elementsText), "12,14,21,32,19", "木火木",
            QString::number(analysis.score) };
        QCOMPARE(page().scoreList().row(0).cells, expected);
        QVERIFY(std::filesystem::exists(report)); // the report page is written as well
    }

    void doubleClickSplitsTheNameAtTheLineBreak()
    {
        type(QStringLiteral("欧阳"), QStringLiteral("华"));
        records().restoreRecords({ RecordFields { "诸葛\r\n孔明" } });
        QSignalSpy scored(&page(), &ScoringPage::nameActivated);
        QSignalSpy recorded(&records(), &RecordsPage::nameActivated);
        QSignalSpy changed(&records(), &RecordsPage::recordsChanged);
        for (const char* list : { "超级列表框_评分列表", "超级列表框_记录列表" }) {
            auto* view = m_window->findChild<QTreeView*>(QString::fromUtf8(list));
            Q_EMIT view->doubleClicked(view->model()->index(0, 2));
        }
        QCOMPARE(scored.size(), 1);
        QCOMPARE(recorded.size(), 1);
        QCOMPARE(scored[0], QVariantList({ "欧阳", "华" }));
        QCOMPARE(recorded[0], QVariantList({ "诸葛", "孔明" }));
        // Opening from these lists records nothing.
        QCOMPARE(changed.size(), 0);
        QCOMPARE(records().recordList().rowCount(), 1);
    }
};

QTEST_MAIN(ScoringPageTest)
#include "ScoringPageTest.moc"
