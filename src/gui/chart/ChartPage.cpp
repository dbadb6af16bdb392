#include "chart/ChartPage.h"

#include "chart/BirthChart.h"
#include "shell/MainWindow.h"
#include "ui_MainWindow.h"

namespace jm::gui {

ChartPage::ChartPage(Ui::MainWindow& ui, MainWindow& window, NameDatabase& db, MessageService& messages)
    : QObject(&window)
    , m_ui(ui)
    , m_window(window)
    , m_db(db)
    , m_messages(messages)
{
    connect(ui.按钮_八字查询, &QPushButton::clicked, this, &ChartPage::runBirthChart);
}

void ChartPage::runBirthChart()
{
    const bool custom = m_ui.单选框_自定义日期->isChecked();
    const QComboBox* boxes[4] = {
        custom ? m_ui.组合框_八字年份 : m_ui.组合框_年份,
        custom ? m_ui.组合框_八字月份 : m_ui.组合框_月份,
        custom ? m_ui.组合框_八字日子 : m_ui.组合框_日子,
        custom ? m_ui.组合框_八字时间 : m_ui.组合框_时间,
    };
    std::string texts[4];
    for (int i = 0; i < 4; ++i)
        texts[i] = boxes[i]->currentText().toStdString();
    const BirthChart chart = jm::runBirthChart(texts[0], texts[1], texts[2], texts[3]);
    // The chart text separates its lines with CR LF; the text box wants plain line feeds.
    QString text = QString::fromStdString(chart.text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_ui.编辑框_八字信息->setPlainText(text);
    m_ui.八字五行标签->setText(QString::fromStdString(chart.elementList));
    m_ui.缺五行标签->setText(QString::fromStdString(chart.missing));
}

} // namespace jm::gui
