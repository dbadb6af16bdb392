#include "chart/ChartPage.h"
#include "data/NameDatabase.h"
#include "shell/MainWindow.h"
#include "support/RecordingMessageService.h"

#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace jm::gui;

/// A started main window (no database) with the chart's own date boxes chosen.
struct ChartSession {
    ChartSession()
    {
        qputenv("JIAMING_CONFIG", (dir.path() + "/config.dat").toUtf8());
        qputenv("JIAMING_DATA_DIR", (dir.path() + "/data").toUtf8());
        window = std::make_unique<MainWindow>(db, messages);
        window->start((dir.path() + "/none.db").toStdString()); // fills the date boxes
        window->findChild<QRadioButton*>(QString::fromUtf8("单选框_自定义日期"))->setChecked(true);
    }

    QTemporaryDir dir;
    jm::NameDatabase db;
    jm::test::RecordingMessageService messages;
    std::unique_ptr<MainWindow> window;
};

class ChartPageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void customDateShowsTheChart();
    void impossibleDayReplacesTheOldChart();
    void namingDateIsTheModePagesDateOfTheClick();
    void labelAndChartFollowEveryChange();
    void nothingMissingSaysSo();
    void adviceFitsAtTheDefaultSize();

private:
    static void choose(QComboBox* box, const QString& text)
    {
        const int i = box->findText(text);
        QVERIFY2(i >= 0, qPrintable(text));
        box->setCurrentIndex(i);
    }
};

void ChartPageTest::customDateShowsTheChart()
{
    ChartSession session;
    QTRY_VERIFY(!session.db.isBootstrapping());
    MainWindow& window = *session.window;
    choose(window.findChild<QComboBox*>(QString::fromUtf8("组合框_八字年份")), QString::fromUtf8("2017"));
    choose(window.findChild<QComboBox*>(QString::fromUtf8("组合框_八字月份")), QString::fromUtf8("10"));
    choose(window.findChild<QComboBox*>(QString::fromUtf8("组合框_八字日子")), QString::fromUtf8("20"));
    choose(window.findChild<QComboBox*>(QString::fromUtf8("组合框_八字时间")), QString::fromUtf8("8"));
    window.findChild<QPushButton*>(QString::fromUtf8("按钮_八字查询"))->click();
    const QString text = window.findChild<QPlainTextEdit*>(QString::fromUtf8("编辑框_八字信息"))->toPlainText();
    QVERIFY(text.startsWith("公历日期：2017年10月20日8时\n"));
    QVERIFY(text.contains("八字四柱：丁酉年  庚戌月  庚辰日  庚辰时"));
    QVERIFY(!text.contains('\r'));
    QCOMPARE(window.findChild<QLabel*>(QString::fromUtf8("八字五行标签"))->text(), QString("火,金,金,土,金,土,金,土,"));
    QCOMPARE(window.findChild<QLabel*>(QString::fromUtf8("缺五行标签"))->text(), QString("木水"));
}

void ChartPageTest::impossibleDayReplacesTheOldChart()
{
    ChartSession session;
    QTRY_VERIFY(!session.db.isBootstrapping());
    MainWindow& window = *session.window;
    choose(window.findChild<QComboBox*>(QString::fromUtf8("组合框_八字年份")), QString::fromUtf8("2017"));
    choose(window.findChild<QComboBox*>(QString::fromUtf8("组合框_八字月份")), QString::fromUtf8("2"));
    choose(window.findChild<QComboBox*>(QString::fromUtf8("组合框_八字日子")), QString::fromUtf8("30"));
    window.findChild<QPushButton*>(QString::fromUtf8("按钮_八字查询"))->click();
    const QString text = window.findChild<QPlainTextEdit*>(QString::fromUtf8("编辑框_八字信息"))->toPlainText();
    QVERIFY(text.contains("日期无效"));
    QVERIFY(!text.contains("八字四柱"));
    QVERIFY(window.findChild<QLabel*>(QString::fromUtf8("缺五行标签"))->text().isEmpty());
}

void ChartPageTest::namingDateIsTheModePagesDateOfTheClick()
{
    ChartSession session;
    MainWindow& window = *session.window;
    window.findChild<QRadioButton*>(QString::fromUtf8("单选框1"))->setChecked(true);
    // Chosen on the mode page after the chart page was prepared: the chart
    // takes the date the mode page shows when 查询 is clicked.
    choose(window.findChild<QComboBox*>(QString::fromUtf8("组合框_年份")), QString::fromUtf8("2017"));
    choose(window.findChild<QComboBox*>(QString::fromUtf8("组合框_月份")), QString::fromUtf8("10"));
    choose(window.findChild<QComboBox*>(QString::fromUtf8("组合框_日子")), QString::fromUtf8("20"));
    choose(window.findChild<QComboBox*>(QString::fromUtf8("组合框_时间")), QString::fromUtf8("8"));
    window.findChild<QPushButton*>(QString::fromUtf8("按钮_八字查询"))->click();
    const QString text = window.findChild<QPlainTextEdit*>(QString::fromUtf8("编辑框_八字信息"))->toPlainText();
    QVERIFY2(text.startsWith("公历日期：2017年10月20日8时\n"), qPrintable(text.left(40)));
    QVERIFY(text.contains("八字四柱：丁酉年  庚戌月  庚辰日  庚辰时"));
}

// The label and the chart always show the same date, and no change waits for 查询.
void ChartPageTest::labelAndChartFollowEveryChange()
{
    ChartSession session;
    MainWindow& window = *session.window;
    const auto chartText
        = [&] { return window.findChild<QPlainTextEdit*>(QString::fromUtf8("编辑框_八字信息"))->toPlainText(); };
    auto* label = window.findChild<QLabel*>(QString::fromUtf8("透明标签_起名日期"));
    window.findChild<QRadioButton*>(QString::fromUtf8("单选框1"))->setChecked(true);

    choose(window.findChild<QComboBox*>(QString::fromUtf8("组合框_年份")), QString::fromUtf8("2020"));
    choose(window.findChild<QComboBox*>(QString::fromUtf8("组合框_月份")), QString::fromUtf8("1"));
    choose(window.findChild<QComboBox*>(QString::fromUtf8("组合框_日子")), QString::fromUtf8("25"));
    choose(window.findChild<QComboBox*>(QString::fromUtf8("组合框_时间")), QString::fromUtf8("12"));
    QCOMPARE(label->text(), QString::fromUtf8("2020年1月25日12时"));
    QVERIFY2(chartText().startsWith(QString::fromUtf8("公历日期：2020年1月25日12时\n")), qPrintable(chartText()));
    // The lunar date carries its lunar year; the pillars keep 立春, and the chart says so.
    QVERIFY(chartText().contains(QString::fromUtf8("农历日期：庚子年    正月  初一日  丙午时")));
    QVERIFY(chartText().contains(QString::fromUtf8("八字四柱：己亥年")));
    QVERIFY(chartText().contains(QString::fromUtf8("以立春换年")));
    QVERIFY(chartText().contains(QString::fromUtf8("生肖属相：猪。")));

    // Switching to the page's own date (today at first) charts it at once, and so does each change of its boxes.
    window.findChild<QRadioButton*>(QString::fromUtf8("单选框_自定义日期"))->setChecked(true);
    const QDate today = QDate::currentDate();
    QVERIFY2(
        chartText().startsWith(
            QString::fromUtf8("公历日期：%1年%2月%3日0时\n").arg(today.year()).arg(today.month()).arg(today.day())),
        qPrintable(chartText()));
    choose(window.findChild<QComboBox*>(QString::fromUtf8("组合框_八字年份")), QString::fromUtf8("2017"));
    choose(window.findChild<QComboBox*>(QString::fromUtf8("组合框_八字月份")), QString::fromUtf8("1"));
    choose(window.findChild<QComboBox*>(QString::fromUtf8("组合框_八字日子")), QString::fromUtf8("1"));
    QVERIFY(chartText().startsWith(QString::fromUtf8("公历日期：2017年1月1日0时\n")));
    choose(window.findChild<QComboBox*>(QString::fromUtf8("组合框_八字时间")), QString::fromUtf8("8"));
    QVERIFY(chartText().startsWith(QString::fromUtf8("公历日期：2017年1月1日8时\n")));

    // Opening the page through the tool bar leaves label and chart in agreement, and the chosen date as it was.
    window.onToolbarItem(2);
    QCOMPARE(label->text(), QString::fromUtf8("2020年1月25日12时"));
    QVERIFY(chartText().startsWith(QString::fromUtf8("公历日期：2017年1月1日8时\n")));
    window.findChild<QRadioButton*>(QString::fromUtf8("单选框1"))->setChecked(true);
    QVERIFY(chartText().startsWith(QString::fromUtf8("公历日期：2020年1月25日12时\n")));
}

void ChartPageTest::nothingMissingSaysSo()
{
    ChartSession session;
    MainWindow& window = *session.window;
    choose(window.findChild<QComboBox*>(QString::fromUtf8("组合框_八字年份")), QString::fromUtf8("2020"));
    choose(window.findChild<QComboBox*>(QString::fromUtf8("组合框_八字月份")), QString::fromUtf8("2"));
    choose(window.findChild<QComboBox*>(QString::fromUtf8("组合框_八字日子")), QString::fromUtf8("4"));
    choose(window.findChild<QComboBox*>(QString::fromUtf8("组合框_八字时间")), QString::fromUtf8("18"));
    QCOMPARE(window.findChild<QLabel*>(QString::fromUtf8("缺五行标签"))->text(), QString::fromUtf8("无"));
    QCOMPARE(window.findChild<QLabel*>(QString::fromUtf8("八字五行标签"))->text(),
        QString::fromUtf8("金,水,土,木,火,土,土,金,"));
}

// At the window's default size the whole chart, zodiac advice included, shows without scrolling.
void ChartPageTest::adviceFitsAtTheDefaultSize()
{
    ChartSession session;
    MainWindow& window = *session.window;
    // 戌 (狗) has the longest advice lines.
    window.onToolbarItem(2);
    choose(window.findChild<QComboBox*>(QString::fromUtf8("组合框_八字年份")), QString::fromUtf8("2018"));
    choose(window.findChild<QComboBox*>(QString::fromUtf8("组合框_八字月份")), QString::fromUtf8("6"));
    QCOMPARE(window.size(), QSize(729, 513));
    auto* box = window.findChild<QPlainTextEdit*>(QString::fromUtf8("编辑框_八字信息"));
    QVERIFY(box->toPlainText().contains(QString::fromUtf8("忌：火、石")));
    QTRY_VERIFY(box->isVisible());
    QCoreApplication::processEvents();
    QCOMPARE(box->verticalScrollBar()->maximum(), 0);
}

QTEST_MAIN(ChartPageTest)
#include "ChartPageTest.moc"
