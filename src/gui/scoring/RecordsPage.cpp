#include "scoring/RecordsPage.h"

#include "shell/NameListModel.h"
#include "ui_RecordsPage.h"

#include <QMenu>

namespace jm::gui {

RecordsPage::RecordsPage(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::RecordsPage>())
{
    m_ui->setupUi(this);
    m_recordList = new NameListModel(this);
    m_recordList->setRowIcon(QIcon(QStringLiteral(":/icons/row.svg")));
    m_recordList->attachTo(m_ui->超级列表框_记录列表);

    m_recordMenu = new QMenu(this);
    m_recordMenu->setObjectName(QStringLiteral("记录列表菜单"));
    m_recordMenu->setTitle(QStringLiteral("记录列表菜单"));
    QAction* remove = m_recordMenu->addAction(QStringLiteral("删除记录"));
    remove->setObjectName(QStringLiteral("菜单项_删除记录"));
    connect(remove, &QAction::triggered, this, &RecordsPage::deleteRecord);

    QTreeView* list = m_ui->超级列表框_记录列表;
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this,
        [this, list](const QPoint& pos) { m_recordMenu->popup(list->viewport()->mapToGlobal(pos)); });
    connect(list, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        if (const auto name = splitNameCell(*m_recordList, index)) Q_EMIT nameActivated(name->first, name->second);
    });
}

RecordsPage::~RecordsPage() = default;

QString RecordsPage::nameCell(const QString& surname, const QString& givenName)
{
    return surname + QStringLiteral("\r\n") + givenName;
}

std::optional<std::pair<QString, QString>> RecordsPage::splitNameCell(
    const NameListModel& list, const QModelIndex& index)
{
    if (!index.isValid() || index.row() >= list.rowCount()) return std::nullopt;
    const QString& name = list.row(index.row()).cells[1];
    if (name.isEmpty()) return std::nullopt;
    const qsizetype split = name.indexOf(QStringLiteral("\r\n"));
    if (split < 0) return std::pair { name, QString() };
    return std::pair { name.left(split), name.mid(split + 2) };
}

void RecordsPage::recordName(const QString& surname, const QString& givenName, const ListRow& source)
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

std::vector<RecordFields> RecordsPage::records() const
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

void RecordsPage::restoreRecords(const std::vector<RecordFields>& records)
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

void RecordsPage::deleteRecord()
{
    const QModelIndexList selected = m_ui->超级列表框_记录列表->selectionModel()->selectedRows();
    if (selected.isEmpty()) return;
    const int r = selected.first().row();
    if (m_recordList->row(r).cells[1].isEmpty()) return;
    m_recordList->removeRowAt(r);
    m_recordList->renumber();
    Q_EMIT recordsChanged();
}

} // namespace jm::gui
