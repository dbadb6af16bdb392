#include "scoring/ScoringPage.h"

#include "shell/MainWindow.h"
#include "shell/NameListModel.h"
#include "ui_MainWindow.h"

#include <QMenu>

namespace jm::gui {

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
