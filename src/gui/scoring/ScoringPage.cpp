#include "scoring/ScoringPage.h"

#include "scoring/FiveGrids.h"
#include "scoring/NameAnalysis.h"
#include "scoring/NameInput.h"
#include "scoring/RecordsPage.h"
#include "shell/DateLists.h"
#include "shell/MessageService.h"
#include "shell/NameListModel.h"
#include "ui_ScoringPage.h"

#include <limits>

namespace jm::gui {

ScoringPage::ScoringPage(NameDatabase& db, MessageService& messages, QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::ScoringPage>())
    , m_db(db)
    , m_messages(messages)
{
    m_ui->setupUi(this);
    // Kept whole in the settings file: the box may not cut what it restores.
    m_ui->编辑框_评分名字->setMaxLength(std::numeric_limits<int>::max());
    m_scoreList = new NameListModel(this);
    m_scoreList->setRowIcon(QIcon(QStringLiteral(":/icons/row.svg")));
    m_scoreList->attachTo(m_ui->超级列表框_评分列表);
    connect(m_ui->按钮_评分, &QPushButton::clicked, this, &ScoringPage::scoreTypedName);
    connect(m_ui->超级列表框_评分列表, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        if (const auto name = RecordsPage::splitNameCell(*m_scoreList, index))
            Q_EMIT nameActivated(name->first, name->second);
    });
}

ScoringPage::~ScoringPage() = default;

void ScoringPage::prepare(const QString& surname)
{
    m_ui->编辑框_评分姓氏->setText(surname);
    // The lists never change: filled once, they keep the user's choice from visit to visit.
    if (m_ui->组合框_评分年份->count() > 0) return;
    const BirthDate today = todayBirthDate();
    refillComboBox(m_ui->组合框_评分年份, yearItems(), today.year);
    refillComboBox(m_ui->组合框_评分月份, monthItems(), today.month);
    refillComboBox(m_ui->组合框_评分日子, dayItems(), today.day);
    refillComboBox(m_ui->组合框_评分时间, hourItems(), today.hour);
    refillComboBox(m_ui->组合框_评分分钟, minuteItems(), today.minute);
}

QString ScoringPage::typedGivenName() const
{
    return m_ui->编辑框_评分名字->text();
}

void ScoringPage::setTypedGivenName(const QString& givenName)
{
    m_ui->编辑框_评分名字->setText(givenName);
}

void ScoringPage::scoreTypedName()
{
    if (m_databaseCheck && !m_databaseCheck()) return;
    // One check for the window and the command line: trimmed, known characters only
    // (traditional ones read as simplified), never cut.
    const Result<CheckedText> checkedSurname = checkSurname(m_db, m_ui->编辑框_评分姓氏->text().toStdString());
    if (!checkedSurname) {
        m_messages.plain(window(), QString::fromStdString(checkedSurname.error()), MessageService::hintTitle());
        return;
    }
    const Result<CheckedText> checkedGiven = checkGivenName(m_db, m_ui->编辑框_评分名字->text().toStdString());
    if (!checkedGiven) {
        m_messages.plain(window(), QString::fromStdString(checkedGiven.error()), MessageService::hintTitle());
        return;
    }
    const QString surname = QString::fromStdString(checkedSurname->text);
    const QString given = QString::fromStdString(checkedGiven->text);
    NameAnalysis analysis;
    int score = 0;
    if (m_dataDirectory) {
        score = analyseName(m_db, surname.toStdString(), given.toStdString(), analysis, *m_dataDirectory);
    } else {
        analysis = analyseName(m_db, surname.toStdString(), given.toStdString());
        score = analysis.score;
    }
    const QString name = RecordsPage::nameCell(surname, given);
    if (m_scoreList->findRow(1, name) >= 0) return;
    const FiveGrids& grids = analysis.grids;
    ListRow row;
    row.cells = { QString::number(m_scoreList->rowCount() + 1), name, QString::number(grids.simplifiedTotal),
        QString::number(grids.总格), QString::fromStdString(grids.elementsText),
        QString::fromStdString(gridsText(grids)), QString::fromStdString(grids.三才), QString::number(score) };
    row.sortKey = score;
    m_scoreList->appendRow(std::move(row));
}

} // namespace jm::gui
