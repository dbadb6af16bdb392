#include "shell/NameListModel.h"

#include "generate/NameList.h"

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
    if (parent.isValid()) return 0;
    return static_cast<int>(m_names ? m_nameRows : m_rows.size());
}

std::uint32_t NameListModel::rankOf(int r) const
{
    return m_shown.empty() ? static_cast<std::uint32_t>(r) : m_shown[static_cast<std::size_t>(r)];
}

const ListedName* NameListModel::listedName(int r) const
{
    if (!m_names) return nullptr;
    const std::uint32_t rank = rankOf(r);
    if (rank >= m_listed) return nullptr;
    return &(*m_names)[m_order.empty() ? rank : m_order[rank]];
}

QString NameListModel::nameCell(int r, int column) const
{
    const ListedName* name = listedName(r);
    if (!name) return {};
    return QString::fromStdString(m_names->cell(*name, rankOf(r) + 1, static_cast<NameRow::Column>(column)));
}

namespace {

QString cautionText(const std::vector<Caution>& cautions)
{
    QString text;
    for (const Caution& c : cautions)
        text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + QString::fromStdString(c.kind + "：" + c.text);
    return text;
}

} // namespace

ListRow NameListModel::row(int r) const
{
    if (!m_names) return m_rows[static_cast<std::size_t>(r)];
    ListRow out;
    const ListedName* name = listedName(r);
    if (!name) return normalized(std::move(out));
    const NameRow texts = m_names->row(*name, rankOf(r) + 1);
    for (const std::string& cell : texts.columns)
        out.cells << QString::fromStdString(cell);
    out.sortKey = texts.sortKey;
    out.cautions = cautionText(texts.cautions);
    return out;
}

std::vector<ListRow> NameListModel::rows() const
{
    if (!m_names) return m_rows;
    std::vector<ListRow> out;
    out.reserve(m_nameRows);
    for (int r = 0; r < rowCount(); ++r)
        out.push_back(row(r));
    return out;
}

void NameListModel::materialize()
{
    // A list of names changed by hand becomes a list of its texts, as shown.
    if (!m_names) return;
    std::vector<ListRow> texts = rows();
    m_names.reset();
    m_order.clear();
    m_shown.clear();
    m_listed = 0;
    m_nameRows = 0;
    m_rows = std::move(texts);
}

void NameListModel::showNames(std::shared_ptr<const NameList> names, int rowCount)
{
    beginResetModel();
    m_rows.clear();
    m_names = std::move(names);
    m_order.clear();
    m_shown.clear();
    m_listed = 0;
    m_nameRows = m_names ? static_cast<std::size_t>(std::max(rowCount, 0)) : 0;
    endResetModel();
}

void NameListModel::namesListed(int first, int count)
{
    if (!m_names || count <= 0) return;
    m_listed = std::max(m_listed, static_cast<std::size_t>(first + count));
    if (m_listed > m_nameRows) {
        // More names than announced rows: the list grows.
        beginInsertRows({}, static_cast<int>(m_nameRows), static_cast<int>(m_listed) - 1);
        m_nameRows = m_listed;
        endInsertRows();
    }
    const int last = std::min(first + count, rowCount()) - 1;
    if (first <= last) Q_EMIT dataChanged(index(first, 0), index(last, columnCount() - 1));
}

void NameListModel::finishNames(std::vector<std::uint32_t> order)
{
    if (!m_names) return;
    beginResetModel();
    m_order = std::move(order);
    m_shown.clear();
    m_listed = m_order.size();
    m_nameRows = m_order.size();
    endResetModel();
}

int NameListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columns.size();
}

QVariant NameListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    if (m_names) {
        // A name's texts are made here, when the view asks for them.
        const ListedName* name = listedName(index.row());
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return name ? nameCell(index.row(), index.column()) : QString();
        case Qt::DecorationRole: {
            if (index.column() != 0) return {};
            const bool caution = name && name->cautionKinds && !m_cautionIcon.isNull();
            const QIcon& icon = caution ? m_cautionIcon : m_icon;
            if (!icon.isNull()) return icon;
            return {};
        }
        case Qt::ToolTipRole:
            if (name && name->cautionKinds) return cautionText(m_names->cautions(*name));
            return {};
        default:
            return {};
        }
    }
    const QString& cell = m_rows[static_cast<std::size_t>(index.row())].cells[index.column()];
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
        const bool caution
            = !m_rows[static_cast<std::size_t>(index.row())].cautions.isEmpty() && !m_cautionIcon.isNull();
        const QIcon& icon = caution ? m_cautionIcon : m_icon;
        if (!icon.isNull()) return icon;
        return {};
    }
    case Qt::ToolTipRole: {
        const QString& cautions = m_rows[static_cast<std::size_t>(index.row())].cautions;
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
    if (m_names) {
        sortNames(column, descending);
        return;
    }
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
    endReorder(before, newRowOf);
}

void NameListModel::endReorder(const QModelIndexList& before, const std::vector<int>& newRowOf)
{
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& idx : before)
        after.push_back(index(newRowOf[static_cast<std::size_t>(idx.row())], idx.column()));
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged();
}

void NameListModel::sortNames(int column, bool descending)
{
    // The same comparison as for texts: the score column by its integers,
    // other columns by number when both cells are integers, else by text.
    struct Key {
        bool number = false;
        long long value = 0;
        QString text;
    };
    Q_EMIT layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    const int count = rowCount();
    std::vector<Key> keys(static_cast<std::size_t>(count));
    for (int r = 0; r < count; ++r) {
        Key& k = keys[static_cast<std::size_t>(r)];
        const ListedName* name = listedName(r);
        if (column == m_sortKeyColumn) {
            k.value = name ? name->score : 0;
            continue;
        }
        k.text = nameCell(r, column);
        k.value = k.text.toLongLong(&k.number);
    }
    std::vector<int> positions(static_cast<std::size_t>(count));
    for (int r = 0; r < count; ++r)
        positions[static_cast<std::size_t>(r)] = r;
    const auto less = [&](int a, int b) {
        const Key& x = keys[static_cast<std::size_t>(a)];
        const Key& y = keys[static_cast<std::size_t>(b)];
        if (column == m_sortKeyColumn) return x.value < y.value;
        if (x.number && y.number) return x.value < y.value;
        if (x.number != y.number) return x.number;
        return x.text < y.text;
    };
    std::stable_sort(
        positions.begin(), positions.end(), [&](int a, int b) { return descending ? less(b, a) : less(a, b); });
    std::vector<std::uint32_t> shown(positions.size());
    std::vector<int> newRowOf(positions.size());
    for (std::size_t i = 0; i < positions.size(); ++i) {
        shown[i] = rankOf(positions[i]);
        newRowOf[static_cast<std::size_t>(positions[i])] = static_cast<int>(i);
    }
    m_shown = std::move(shown);
    endReorder(before, newRowOf);
}

void NameListModel::setCautionIcon(const QIcon& icon)
{
    m_cautionIcon = icon;
    if (rowCount() > 0) Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, 0), { Qt::DecorationRole });
}

void NameListModel::setRowIcon(const QIcon& icon)
{
    m_icon = icon;
    if (rowCount() > 0) Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, 0), { Qt::DecorationRole });
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
    if (m_rows.empty() && !m_names) return;
    beginResetModel();
    m_rows.clear();
    m_names.reset();
    m_order.clear();
    m_shown.clear();
    m_listed = 0;
    m_nameRows = 0;
    endResetModel();
}

void NameListModel::appendRow(ListRow row)
{
    materialize();
    const int r = rowCount();
    beginInsertRows({}, r, r);
    m_rows.push_back(normalized(std::move(row)));
    endInsertRows();
}

void NameListModel::appendRows(std::vector<ListRow> rows)
{
    materialize();
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
    materialize();
    if (count <= 0) return;
    const int first = rowCount();
    beginInsertRows({}, first, first + count - 1);
    m_rows.resize(m_rows.size() + static_cast<std::size_t>(count), normalized(ListRow {}));
    endInsertRows();
}

void NameListModel::setRow(int r, ListRow row)
{
    materialize();
    if (r < 0 || r >= rowCount()) return;
    m_rows[static_cast<std::size_t>(r)] = normalized(std::move(row));
    Q_EMIT dataChanged(index(r, 0), index(r, columnCount() - 1));
}

void NameListModel::setRows(int first, std::vector<ListRow> rows)
{
    materialize();
    if (first < 0 || first >= rowCount() || rows.empty()) return;
    const int last = std::min(rowCount() - 1, first + static_cast<int>(rows.size()) - 1);
    for (int r = first; r <= last; ++r)
        m_rows[static_cast<std::size_t>(r)] = normalized(std::move(rows[static_cast<std::size_t>(r - first)]));
    Q_EMIT dataChanged(index(first, 0), index(last, columnCount() - 1));
}

void NameListModel::removeRowAt(int r)
{
    materialize();
    if (r < 0 || r >= rowCount()) return;
    beginRemoveRows({}, r, r);
    m_rows.erase(m_rows.begin() + r);
    endRemoveRows();
}

void NameListModel::truncate(int count)
{
    materialize();
    if (count < 0) count = 0;
    if (count >= rowCount()) return;
    beginRemoveRows({}, count, rowCount() - 1);
    m_rows.resize(static_cast<std::size_t>(count));
    endRemoveRows();
}

void NameListModel::renumber()
{
    materialize();
    if (m_rows.empty()) return;
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        m_rows[i].cells[0] = QString::number(i + 1);
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, 0), { Qt::DisplayRole, Qt::EditRole });
}

int NameListModel::findRow(int column, const QString& text) const
{
    if (column < 0 || column >= columnCount()) return -1;
    if (m_names) {
        for (int r = 0; r < rowCount(); ++r)
            if (nameCell(r, column) == text) return r;
        return -1;
    }
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
