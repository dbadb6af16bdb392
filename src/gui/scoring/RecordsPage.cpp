#include "scoring/RecordsPage.h"

#include "shell/NameListModel.h"
#include "ui_RecordsPage.h"

#include <utility>

#include <QMenu>
#include <QTimer>

namespace jm::gui {
namespace {

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
    connect(m_recordMenu, &QMenu::aboutToHide, this, [this] {
        // The action's triggered signal comes after aboutToHide: forget the row once it is handled.
        QTimer::singleShot(0, this, [this] { m_menuRow = -1; });
    });

    QTreeView* list = m_ui->超级列表框_记录列表;
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this, &RecordsPage::openRecordMenu);
    connect(list, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        if (const auto name = splitNameCell(*m_recordList, index)) Q_EMIT nameActivated(name->first, name->second);
    });
}

RecordsPage::~RecordsPage() = default;

QString RecordsPage::nameCell(const QString& surname, const QString& givenName)
{
    return QString::fromStdString(RecordList::nameCell(surname.toStdString(), givenName.toStdString()));
}

std::optional<std::pair<QString, QString>> RecordsPage::splitNameCell(
    const NameListModel& list, const QModelIndex& index)
{
    if (!index.isValid() || index.row() >= list.rowCount()) return std::nullopt;
    const QString name = list.row(index.row()).cells[1];
    if (name.isEmpty()) return std::nullopt;
    const qsizetype split = name.indexOf(QStringLiteral("\r\n"));
    if (split < 0) return std::pair { name, QString() };
    return std::pair { name.left(split), name.mid(split + 2) };
}

void RecordsPage::recordName(const QString& surname, const QString& givenName, const ListRow& source)
{
    RecordFields fields;
    fields[0] = nameCell(surname, givenName).toStdString();
    for (std::size_t i = 1; i < fields.size(); ++i)
        fields[i] = source.cells.value(static_cast<int>(i) + 1).toStdString();
    if (!m_records.add(fields)) return;
    m_recordList->appendRow(recordRow(m_records.size() - 1, fields));
    Q_EMIT recordsChanged();
}

void RecordsPage::restoreRecords(const std::vector<RecordFields>& records)
{
    // Restored as stored, repeats and empty records included, as the list always read its file.
    std::vector<RecordFields> all = m_records.records();
    all.insert(all.end(), records.begin(), records.end());
    m_records = RecordList(std::move(all));
    showRecords();
}

void RecordsPage::showRecords()
{
    std::vector<ListRow> rows;
    rows.reserve(m_records.size());
    for (std::size_t i = 0; i < m_records.size(); ++i)
        rows.push_back(recordRow(i, m_records.records()[i]));
    m_recordList->clear();
    m_recordList->appendRows(std::move(rows));
}

int RecordsPage::openRecordMenu(const QPoint& pos)
{
    QTreeView* list = m_ui->超级列表框_记录列表;
    const QModelIndex index = list->indexAt(pos);
    if (!index.isValid()) return -1;
    m_menuRow = index.row();
    list->setCurrentIndex(index);
    m_recordMenu->popup(list->viewport()->mapToGlobal(pos));
    return m_menuRow;
}

void RecordsPage::deleteRecord()
{
    if (m_menuRow >= 0) {
        deleteRecordAt(std::exchange(m_menuRow, -1));
        return;
    }
    const QModelIndexList selected = m_ui->超级列表框_记录列表->selectionModel()->selectedRows();
    if (!selected.isEmpty()) deleteRecordAt(selected.first().row());
}

void RecordsPage::deleteRecordAt(int row)
{
    if (row < 0 || !m_records.remove(static_cast<std::size_t>(row))) return;
    m_recordList->removeRowAt(row);
    m_recordList->renumber();
    Q_EMIT recordsChanged();
}

} // namespace jm::gui
