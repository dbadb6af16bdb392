#include "shell/NameListModel.h"

#include <QHeaderView>
#include <QTreeView>

#include <algorithm>

namespace jm::gui {

QList<NameListModel::Column> NameListModel::nameColumns()
{
    return {
        { QStringLiteral("编号"), 60 },
        { QStringLiteral("姓名"), 70 },
        { QStringLiteral("简体笔划"), 80 },
        { QStringLiteral("繁体笔划"), 80 },
        { QStringLiteral("五行"), 70 },
        { QStringLiteral("五格"), 120 },
        { QStringLiteral("三才"), 50 },
        { QStringLiteral("评分"), 70 },
    };
}

NameListModel::NameListModel(QObject* parent)
    : NameListModel(nameColumns(), kScoreColumn, parent)
{
}

NameListModel::NameListModel(QList<Column> columns, int sortKeyColumn, QObject* parent)
    : QAbstractTableModel(parent)
    , m_columns(std::move(columns))
    , m_sortKeyColumn(sortKeyColumn)
{
}

int NameListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int NameListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columns.size();
}

QVariant NameListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    const QString& cell = row(index.row()).cells[index.column()];
    switch (role) {
    case Qt::DisplayRole: {
        QString shown = cell;
        shown.replace(QLatin1String("\r\n"), QLatin1String(" "));
        return shown;
    }
    case Qt::EditRole:
        return cell;
    case Qt::DecorationRole: {
        if (index.column() != 0) return {};
        const bool caution = !row(index.row()).cautions.isEmpty() && !m_cautionIcon.isNull();
        const QIcon& icon = caution ? m_cautionIcon : m_icon;
        if (!icon.isNull()) return icon;
        return {};
    }
    case Qt::ToolTipRole: {
        const QString& cautions = row(index.row()).cautions;
        if (!cautions.isEmpty()) return cautions;
        return {};
    }
    default:
        return {};
    }
}

QVariant NameListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_columns.size())
        return m_columns[section].title;
    return {};
}

void NameListModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= columnCount()) return;
    const bool descending = order == Qt::DescendingOrder;
    Q_EMIT layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    std::vector<std::size_t> positions(m_rows.size());
    for (std::size_t i = 0; i < positions.size(); ++i)
        positions[i] = i;
    const auto less = [&](std::size_t a, std::size_t b) {
        const ListRow& x = m_rows[a];
        const ListRow& y = m_rows[b];
        if (column == m_sortKeyColumn) return x.sortKey < y.sortKey;
        bool okX = false;
        bool okY = false;
        const long long nx = x.cells[column].toLongLong(&okX);
        const long long ny = y.cells[column].toLongLong(&okY);
        if (okX && okY) return nx < ny;
        if (okX != okY) return okX; // numbers before texts keeps the order strict
        return x.cells[column] < y.cells[column];
    };
    std::stable_sort(positions.begin(), positions.end(),
        [&](std::size_t a, std::size_t b) { return descending ? less(b, a) : less(a, b); });
    std::vector<ListRow> sorted;
    sorted.reserve(m_rows.size());
    std::vector<int> newRowOf(m_rows.size());
    for (std::size_t i = 0; i < positions.size(); ++i) {
        newRowOf[positions[i]] = static_cast<int>(i);
        sorted.push_back(std::move(m_rows[positions[i]]));
    }
    m_rows = std::move(sorted);
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& idx : before)
        after.push_back(index(newRowOf[static_cast<std::size_t>(idx.row())], idx.column()));
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged();
}

void NameListModel::setCautionIcon(const QIcon& icon)
{
    m_cautionIcon = icon;
    if (!m_rows.empty()) Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, 0), { Qt::DecorationRole });
}

void NameListModel::setRowIcon(const QIcon& icon)
{
    m_icon = icon;
    if (!m_rows.empty()) Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, 0), { Qt::DecorationRole });
}

ListRow NameListModel::normalized(ListRow row) const
{
    while (row.cells.size() < m_columns.size())
        row.cells.push_back(QString());
    while (row.cells.size() > m_columns.size())
        row.cells.removeLast();
    return row;
}

void NameListModel::clear()
{
    if (m_rows.empty()) return;
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void NameListModel::appendRow(ListRow row)
{
    const int r = rowCount();
    beginInsertRows({}, r, r);
    m_rows.push_back(normalized(std::move(row)));
    endInsertRows();
}

void NameListModel::appendRows(std::vector<ListRow> rows)
{
    if (rows.empty()) return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    m_rows.reserve(m_rows.size() + rows.size());
    for (ListRow& r : rows)
        m_rows.push_back(normalized(std::move(r)));
    endInsertRows();
}

void NameListModel::appendEmptyRows(int count)
{
    if (count <= 0) return;
    const int first = rowCount();
    beginInsertRows({}, first, first + count - 1);
    m_rows.resize(m_rows.size() + static_cast<std::size_t>(count), normalized(ListRow {}));
    endInsertRows();
}

void NameListModel::setRow(int r, ListRow row)
{
    if (r < 0 || r >= rowCount()) return;
    m_rows[static_cast<std::size_t>(r)] = normalized(std::move(row));
    Q_EMIT dataChanged(index(r, 0), index(r, columnCount() - 1));
}

void NameListModel::setRows(int first, std::vector<ListRow> rows)
{
    if (first < 0 || first >= rowCount() || rows.empty()) return;
    const int last = std::min(rowCount() - 1, first + static_cast<int>(rows.size()) - 1);
    for (int r = first; r <= last; ++r)
        m_rows[static_cast<std::size_t>(r)] = normalized(std::move(rows[static_cast<std::size_t>(r - first)]));
    Q_EMIT dataChanged(index(first, 0), index(last, columnCount() - 1));
}

void NameListModel::removeRowAt(int r)
{
    if (r < 0 || r >= rowCount()) return;
    beginRemoveRows({}, r, r);
    m_rows.erase(m_rows.begin() + r);
    endRemoveRows();
}

void NameListModel::truncate(int count)
{
    if (count < 0) count = 0;
    if (count >= rowCount()) return;
    beginRemoveRows({}, count, rowCount() - 1);
    m_rows.resize(static_cast<std::size_t>(count));
    endRemoveRows();
}

void NameListModel::renumber()
{
    if (m_rows.empty()) return;
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        m_rows[i].cells[0] = QString::number(i + 1);
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, 0), { Qt::DisplayRole, Qt::EditRole });
}

int NameListModel::findRow(int column, const QString& text) const
{
    if (column < 0 || column >= columnCount()) return -1;
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].cells[column] == text) return static_cast<int>(i);
    return -1;
}

void NameListModel::attachTo(QTreeView* view)
{
    view->setModel(this);
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->header()->setStretchLastSection(false);
    for (int c = 0; c < m_columns.size(); ++c)
        view->setColumnWidth(c, m_columns[c].width);
}

void NameListModel::sortByHeaderOf(QTreeView* view)
{
    QHeaderView* header = view->header();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    // The header flips its indicator on each click of a shown section.
    connect(header, &QHeaderView::sortIndicatorChanged, this, [this](int section, Qt::SortOrder order) {
        if (section >= 0 && !m_sortLocked) sort(section, order);
    });
    connect(this, &NameListModel::sortLockChanged, header, [header](bool locked) {
        if (locked) header->setSortIndicator(-1, Qt::AscendingOrder);
        header->setSectionsClickable(!locked);
    });
}

void NameListModel::setSortLocked(bool locked)
{
    if (locked == m_sortLocked) return;
    m_sortLocked = locked;
    Q_EMIT sortLockChanged(locked);
}

} // namespace jm::gui
