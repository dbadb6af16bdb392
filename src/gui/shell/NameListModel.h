#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QList>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

class QTreeView;

namespace jm {
class NameList;
struct ListedName;
}

namespace jm::gui {

/// One row of a list: its column texts and the integer the list sorts by
/// (for a scored name list, the score).
struct ListRow {
    QStringList cells;
    int sortKey = 0;
    /// The cautions on the name, one per line; a row with cautions shows the
    /// caution icon and this text as its tooltip.
    QString cautions;
};

/// The model behind the program's report lists. By default it holds the
/// eight columns of a scored name list ("编号", "姓名", "简体笔划",
/// "繁体笔划", "五行", "五格", "三才", "评分"); other lists pass their own
/// columns. Rows are kept in a plain vector, so lists of 100001 rows fill and
/// sort without stalling the window. Every row shows the row icon in column 0,
/// or the caution icon when the name has cautions (shown as its tooltip).
///
/// A scored list filled by a generation run shows the run's names instead
/// (`showNames`): it keeps them as the run's compact rows, shared with the
/// run, and makes the texts of a cell only when it is shown or exported.
///
/// A cell may hold a line break (the 姓名 cell of the scoring and record
/// lists is surname + "\r\n" + given name): the list shows it as a space,
/// while `row()` and Qt::EditRole give the text as stored.
class NameListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Column {
        QString title;
        int width;
    };
    /// The eight name-list columns with their widths 60,70,80,80,70,120,50,70.
    static QList<Column> nameColumns();
    /// Column of the score in a name list.
    static constexpr int kScoreColumn = 7;

    explicit NameListModel(QObject* parent = nullptr);
    /// A list with its own columns; `sortKeyColumn` is the column sorted by
    /// `ListRow::sortKey` (-1: none).
    NameListModel(QList<Column> columns, int sortKeyColumn, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    /// Stable sort: the sort-key column by its integers, other columns by
    /// number when both cells are integers, else by text.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    const QList<Column>& columns() const { return m_columns; }
    void setRowIcon(const QIcon& icon);
    /// The icon of rows with cautions (the row icon when none is set).
    void setCautionIcon(const QIcon& icon);

    /// Row `r` as texts; the row must exist.
    ListRow row(int r) const;
    /// Every row as texts (exports, tests).
    std::vector<ListRow> rows() const;

    /// Shows the names of a run: the list gets `rowCount` empty rows, which
    /// `namesListed` fills from `names` in listing order.
    void showNames(std::shared_ptr<const NameList> names, int rowCount);
    /// Names `first` .. `first + count - 1` of the shown names are listed.
    void namesListed(int first, int count);
    /// The run is over: the list becomes the listed names in `order`
    /// (indexes into the names), numbered 1..n; the empty rows go.
    void finishNames(std::vector<std::uint32_t> order);
    /// The names shown, or null for a list of texts.
    const NameList* names() const { return m_names.get(); }

    /// Empties the list (a list of names becomes a list of texts again).
    void clear();
    /// The following change a list of texts (a list of names becomes one).
    void appendRow(ListRow row);
    void appendRows(std::vector<ListRow> rows);
    /// Appends `count` rows of empty cells (to be filled by `setRow`).
    void appendEmptyRows(int count);
    /// Replaces row `r`; a row index outside the list is ignored.
    void setRow(int r, ListRow row);
    /// Replaces rows `first` .. `first + rows.size() - 1` at once; rows past
    /// the end of the list are ignored.
    void setRows(int first, std::vector<ListRow> rows);
    void removeRowAt(int r);
    /// Drops every row from `count` on.
    void truncate(int count);
    /// Sets column 0 of row r to r + 1 in decimal.
    void renumber();
    /// First row whose cell `column` equals `text` (stored form), or -1.
    int findRow(int column, const QString& text) const;

    /// Shows this model in `view` with the column widths of the list.
    void attachTo(QTreeView* view);
    /// Lets a click on a column header of `view` sort the list by that
    /// column (as `sort`), a second click reverse it. The rows move, so a
    /// row number from the view is a row number of the list.
    void sortByHeaderOf(QTreeView* view);
    /// While a run fills the list by row numbers its headers do not sort;
    /// locking also drops the shown order.
    void setSortLocked(bool locked);
    bool isSortLocked() const { return m_sortLocked; }

Q_SIGNALS:
    void sortLockChanged(bool locked);

private:
    /// Moves the persistent indexes `before` to their rows' new places and
    /// ends the layout change begun by the caller.
    void endReorder(const QModelIndexList& before, const std::vector<int>& newRowOf);
    ListRow normalized(ListRow row) const;
    /// Turns a list of names into the list of their texts.
    void materialize();
    /// The listed name shown in row r, or null (a text row, an empty row).
    const ListedName* listedName(int r) const;
    /// Rank of row r in the run's final order (its 编号 - 1).
    std::uint32_t rankOf(int r) const;
    QString nameCell(int r, int column) const;
    void sortNames(int column, bool descending);

    QList<Column> m_columns;
    int m_sortKeyColumn = -1;
    std::vector<ListRow> m_rows;
    // A list of names: the run's names, their final order (rank -> name;
    // empty while the run lists: listing order), the ranks in the order
    // shown (empty: by rank), the names listed and the rows shown.
    std::shared_ptr<const NameList> m_names;
    std::vector<std::uint32_t> m_order;
    std::vector<std::uint32_t> m_shown;
    std::size_t m_listed = 0;
    std::size_t m_nameRows = 0;
    QIcon m_icon;
    QIcon m_cautionIcon;
    bool m_sortLocked = false;
};

} // namespace jm::gui
