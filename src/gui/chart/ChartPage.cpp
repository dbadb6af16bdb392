#include "chart/ChartPage.h"

#include "chart/BirthChart.h"
#include "ui_ChartPage.h"

namespace jm::gui {

ChartPage::ChartPage(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::ChartPage>())
{
    m_ui->setupUi(this);
    connect(m_ui->按钮_八字查询, &QPushButton::clicked, this, &ChartPage::runBirthChart);
    // The chart follows every change of its date: no stale chart until 查询.
    connect(m_ui->单选框1, &QRadioButton::toggled, this, &ChartPage::runBirthChart);
    for (QComboBox* box :
        { m_ui->组合框_八字年份, m_ui->组合框_八字月份, m_ui->组合框_八字日子, m_ui->组合框_八字时间 })
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            if (m_ui->单选框_自定义日期->isChecked()) runBirthChart();
        });
}

ChartPage::~ChartPage() = default;

void ChartPage::setNamingDate(const BirthDate& date)
{
    m_namingDate = date;
    // The label always shows the date the chart of 单选框1 uses.
    m_ui->透明标签_起名日期->setText(m_namingDate.year + QStringLiteral("年") + m_namingDate.month
        + QStringLiteral("月") + m_namingDate.day + QStringLiteral("日") + m_namingDate.hour + QStringLiteral("时"));
    if (m_ui->单选框1->isChecked()) runBirthChart();
}

void ChartPage::prepare()
{
    // The lists never change: filled once, they keep the user's choice from visit to visit.
    if (m_ui->组合框_八字年份->count() == 0) {
        const BirthDate today = todayBirthDate();
        refillComboBox(m_ui->组合框_八字年份, yearItems(), today.year);
        refillComboBox(m_ui->组合框_八字月份, monthItems(), today.month);
        refillComboBox(m_ui->组合框_八字日子, dayItems(), today.day);
        refillComboBox(m_ui->组合框_八字时间, hourItems(), today.hour);
    }
    setNamingDate(m_namingDate);
    if (m_ui->单选框_自定义日期->isChecked()) runBirthChart();
}

BirthDate ChartPage::ownDate() const
{
    return { m_ui->组合框_八字年份->currentText(), m_ui->组合框_八字月份->currentText(),
        m_ui->组合框_八字日子->currentText(), m_ui->组合框_八字时间->currentText(), QString() };
}

bool ChartPage::setOwnDate(const BirthDate& date)
{
    bool selected = false;
    {
        // One chart for the whole date, not one per box.
        const QSignalBlocker year(m_ui->组合框_八字年份), month(m_ui->组合框_八字月份), day(m_ui->组合框_八字日子),
            hour(m_ui->组合框_八字时间);
        selected = selectDate(
            m_ui->组合框_八字年份, m_ui->组合框_八字月份, m_ui->组合框_八字日子, m_ui->组合框_八字时间, nullptr, date);
    }
    if (selected && usesOwnDate()) runBirthChart();
    return selected;
}

bool ChartPage::usesOwnDate() const
{
    return m_ui->单选框_自定义日期->isChecked();
}

void ChartPage::setUsesOwnDate(bool own)
{
    (own ? m_ui->单选框_自定义日期 : m_ui->单选框1)->setChecked(true);
}

QString ChartPage::namingDateLabel() const
{
    return m_ui->透明标签_起名日期->text();
}

void ChartPage::runBirthChart()
{
    std::string texts[4];
    if (m_ui->单选框_自定义日期->isChecked()) {
        const QComboBox* boxes[4]
            = { m_ui->组合框_八字年份, m_ui->组合框_八字月份, m_ui->组合框_八字日子, m_ui->组合框_八字时间 };
        for (int i = 0; i < 4; ++i)
            texts[i] = boxes[i]->currentText().toStdString();
    } else {
        const QString* parts[4] = { &m_namingDate.year, &m_namingDate.month, &m_namingDate.day, &m_namingDate.hour };
        for (int i = 0; i < 4; ++i)
            texts[i] = parts[i]->toStdString();
    }
    const BirthChart chart = jm::runBirthChart(texts[0], texts[1], texts[2], texts[3]);
    // The chart text separates its lines with an empty line (CR LF CR LF); the
    // box shows them one under the other, so that the zodiac advice fits
    // without scrolling.
    QString text = QString::fromStdString(chart.text);
    text.replace(QStringLiteral("\r\n\r\n"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_ui->编辑框_八字信息->setPlainText(text.trimmed());
    m_ui->八字五行标签->setText(QString::fromStdString(chart.elementList));
    m_ui->缺五行标签->setText(
        chart.valid && chart.missing.empty() ? QStringLiteral("无") : QString::fromStdString(chart.missing));
}

} // namespace jm::gui
