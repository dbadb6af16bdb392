#include "scoring/ScoringPage.h"

#include "scoring/FiveGrids.h"
#include "scoring/NameAnalysis.h"
#include "shell/MainWindow.h"
#include "shell/MessageService.h"
#include "shell/NameListModel.h"
#include "ui_MainWindow.h"

#include <QMenu>
#include <QPushButton>
#include <QTreeView>

namespace jm::gui {
namespace {

/// The 姓名 cell of the score and record lists.
QString nameCell(const QString& surname, const QString& given)
{
    return surname + QStringLiteral("\r\n") + given;
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

    QTreeView* list = ui.超级列表框_记录列表;
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this,
        [this, list](const QPoint& pos) { m_recordMenu->popup(list->viewport()->mapToGlobal(pos)); });

    connect(ui.按钮_评分, &QPushButton::clicked, this, &ScoringPage::scoreTypedName);
    connect(ui.超级列表框_评分列表, &QTreeView::doubleClicked, this,
        [this](const QModelIndex& index) { activateName(*m_scoreList, index); });
    connect(ui.超级列表框_记录列表, &QTreeView::doubleClicked, this,
        [this](const QModelIndex& index) { activateName(*m_recordList, index); });
}

void ScoringPage::scoreTypedName()
{
    const QString surname = m_ui.编辑框_评分姓氏->text();
    if (surname.isEmpty()) {
        m_messages.plain(&m_window, QStringLiteral("请输入姓氏"), MessageService::hintTitle());
        return;
    }
    const QString given = m_ui.编辑框_评分名字->text();
    if (given.isEmpty()) {
        m_messages.plain(&m_window, QStringLiteral("请输入名字"), MessageService::hintTitle());
        return;
    }
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
    const QString name = nameCell(surname, givenName);
    if (m_recordList->findRow(1, name) >= 0) return;
    ListRow row;
    row.cells << QString::number(m_recordList->rowCount() + 1) << name;
    for (int c = 2; c < m_recordList->columnCount(); ++c)
        row.cells << source.cells.value(c);
    row.sortKey = row.cells[NameListModel::kScoreColumn].toInt();
    m_recordList->appendRow(std::move(row));
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

std::vector<RecordFields> ScoringPage::records() const
{
    std::vector<RecordFields> out;
    out.reserve(m_recordList->rows().size());
    for (const ListRow& row : m_recordList->rows()) {
        RecordFields fields;
        for (std::size_t i = 0; i < fields.size(); ++i)
            fields[i] = row.cells[static_cast<int>(i) + 1].toStdString();
        out.push_back(std::move(fields));
    }
    return out;
}

void ScoringPage::restoreRecords(const std::vector<RecordFields>& records)
{
    std::vector<ListRow> rows;
    rows.reserve(records.size());
    int number = m_recordList->rowCount();
    for (const RecordFields& fields : records) {
        ListRow row;
        row.cells << QString::number(++number);
        for (const std::string& field : fields)
            row.cells << QString::fromStdString(field);
        row.sortKey = row.cells[NameListModel::kScoreColumn].toInt();
        rows.push_back(std::move(row));
    }
    m_recordList->appendRows(std::move(rows));
}

void ScoringPage::deleteRecord()
{
    const QModelIndexList selected = m_ui.超级列表框_记录列表->selectionModel()->selectedRows();
    if (selected.isEmpty()) return;
    const int r = selected.first().row();
    if (m_recordList->row(r).cells[1].isEmpty()) return;
    m_recordList->removeRowAt(r);
    m_recordList->renumber();
    Q_EMIT recordsChanged();
}

} // namespace jm::gui
