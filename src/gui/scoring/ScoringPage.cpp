#include "scoring/ScoringPage.h"

#include "scoring/FiveGrids.h"
#include "scoring/NameAnalysis.h"
#include "scoring/NameInput.h"
#include "shell/MainWindow.h"
#include "shell/MessageService.h"
#include "shell/NameListModel.h"
#include "ui_MainWindow.h"

#include <utility>

#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

namespace jm::gui {
namespace {

/// The 姓名 cell of the score and record lists.
QString nameCell(const QString& surname, const QString& given)
{
    return QString::fromStdString(RecordList::nameCell(surname.toStdString(), given.toStdString()));
}

ListRow recordRow(std::size_t index, const RecordFields& fields)
{
    ListRow row;
    row.cells << QString::fromStdString(RecordList::numberOf(index));
    for (const std::string& field : fields)
        row.cells << QString::fromStdString(field);
    row.sortKey = row.cells[NameListModel::kScoreColumn].toInt();
    return row;
}

} // namespace

ScoringPage::ScoringPage(Ui::MainWindow& ui, MainWindow& window, NameDatabase& db, MessageService& messages)
    : QObject(&window)
    , m_ui(ui)
    , m_window(window)
    , m_db(db)
    , m_messages(messages)
{
    const QIcon rowIcon(QStringLiteral(":/icons/row.svg"));
    m_scoreList = new NameListModel(this);
    m_scoreList->setRowIcon(rowIcon);
    m_scoreList->attachTo(ui.超级列表框_评分列表);
    m_recordList = new NameListModel(this);
    m_recordList->setRowIcon(rowIcon);
    m_recordList->attachTo(ui.超级列表框_记录列表);

    m_recordMenu = new QMenu(&window);
    m_recordMenu->setObjectName(QStringLiteral("记录列表菜单"));
    m_recordMenu->setTitle(QStringLiteral("记录列表菜单"));
    QAction* remove = m_recordMenu->addAction(QStringLiteral("删除记录"));
    remove->setObjectName(QStringLiteral("菜单项_删除记录"));
    connect(remove, &QAction::triggered, this, &ScoringPage::deleteRecord);
    connect(m_recordMenu, &QMenu::aboutToHide, this, [this] {
        // The action's triggered signal comes after aboutToHide: forget the row once it is handled.
        QTimer::singleShot(0, this, [this] { m_menuRow = -1; });
    });

    QTreeView* list = ui.超级列表框_记录列表;
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this, &ScoringPage::openRecordMenu);

    connect(ui.按钮_评分, &QPushButton::clicked, this, &ScoringPage::scoreTypedName);
    connect(ui.超级列表框_评分列表, &QTreeView::doubleClicked, this,
        [this](const QModelIndex& index) { activateName(*m_scoreList, index); });
    connect(ui.超级列表框_记录列表, &QTreeView::doubleClicked, this,
        [this](const QModelIndex& index) { activateName(*m_recordList, index); });
}

void ScoringPage::scoreTypedName()
{
    // One check for the window and the command line: trimmed, known characters only
    // (traditional ones read as simplified), never cut.
    const Result<CheckedText> checkedSurname = checkSurname(m_db, m_ui.编辑框_评分姓氏->text().toStdString());
    if (!checkedSurname) {
        m_messages.plain(&m_window, QString::fromStdString(checkedSurname.error()), MessageService::hintTitle());
        return;
    }
    const Result<CheckedText> checkedGiven = checkGivenName(m_db, m_ui.编辑框_评分名字->text().toStdString());
    if (!checkedGiven) {
        m_messages.plain(&m_window, QString::fromStdString(checkedGiven.error()), MessageService::hintTitle());
        return;
    }
    const QString surname = QString::fromStdString(checkedSurname->text);
    const QString given = QString::fromStdString(checkedGiven->text);
    NameAnalysis analysis;
    int score = 0;
    if (const auto& directory = m_window.dataDirectory()) {
        score = analyseName(m_db, surname.toStdString(), given.toStdString(), analysis, *directory);
    } else {
        analysis = analyseName(m_db, surname.toStdString(), given.toStdString());
        score = analysis.score;
    }
    const QString name = nameCell(surname, given);
    if (m_scoreList->findRow(1, name) >= 0) return;
    const FiveGrids& grids = analysis.grids;
    ListRow row;
    row.cells = { QString::number(m_scoreList->rowCount() + 1), name, QString::number(grids.simplifiedTotal),
        QString::number(grids.总格), QString::fromStdString(grids.elementsText),
        QString::fromStdString(gridsText(grids)), QString::fromStdString(grids.三才), QString::number(score) };
    row.sortKey = score;
    m_scoreList->appendRow(std::move(row));
}

void ScoringPage::recordName(const QString& surname, const QString& givenName, const ListRow& source)
{
    RecordFields fields;
    fields[0] = nameCell(surname, givenName).toStdString();
    for (std::size_t i = 1; i < fields.size(); ++i)
        fields[i] = source.cells.value(static_cast<int>(i) + 1).toStdString();
    if (!m_records.add(fields)) return;
    m_recordList->appendRow(recordRow(m_records.size() - 1, fields));
    Q_EMIT recordsChanged();
}

void ScoringPage::activateName(const NameListModel& list, const QModelIndex& index)
{
    if (!index.isValid() || index.row() >= list.rowCount()) return;
    const QString& name = list.row(index.row()).cells[1];
    const qsizetype split = name.indexOf(QStringLiteral("\r\n"));
    if (name.isEmpty()) return;
    // A cell without a line break (a hand-edited settings file) reads as a surname alone.
    if (split < 0) {
        Q_EMIT nameActivated(name, QString());
        return;
    }
    Q_EMIT nameActivated(name.left(split), name.mid(split + 2));
}

void ScoringPage::restoreRecords(const std::vector<RecordFields>& records)
{
    // Restored as stored, repeats and empty records included, as the list always read its file.
    std::vector<RecordFields> all = m_records.records();
    all.insert(all.end(), records.begin(), records.end());
    m_records = RecordList(std::move(all));
    showRecords();
}

void ScoringPage::showRecords()
{
    std::vector<ListRow> rows;
    rows.reserve(m_records.size());
    for (std::size_t i = 0; i < m_records.size(); ++i)
        rows.push_back(recordRow(i, m_records.records()[i]));
    m_recordList->clear();
    m_recordList->appendRows(std::move(rows));
}

int ScoringPage::openRecordMenu(const QPoint& pos)
{
    QTreeView* list = m_ui.超级列表框_记录列表;
    const QModelIndex index = list->indexAt(pos);
    if (!index.isValid()) return -1;
    m_menuRow = index.row();
    list->setCurrentIndex(index);
    m_recordMenu->popup(list->viewport()->mapToGlobal(pos));
    return m_menuRow;
}

void ScoringPage::deleteRecord()
{
    if (m_menuRow >= 0) {
        deleteRecordAt(std::exchange(m_menuRow, -1));
        return;
    }
    const QModelIndexList selected = m_ui.超级列表框_记录列表->selectionModel()->selectedRows();
    if (!selected.isEmpty()) deleteRecordAt(selected.first().row());
}

void ScoringPage::deleteRecordAt(int row)
{
    if (row < 0 || !m_records.remove(static_cast<std::size_t>(row))) return;
    m_recordList->removeRowAt(row);
    m_recordList->renumber();
    Q_EMIT recordsChanged();
}

} // namespace jm::gui
