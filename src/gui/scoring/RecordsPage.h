#pragma once

#include "settings/Settings.h"

#include "settings/RecordList.h"

#include <QPoint>
#include <QWidget>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QMenu;
namespace Ui {
class RecordsPage;
}

namespace jm::gui {

class NameListModel;
struct ListRow;

/// The page 起名记录 (页面_起名记录): the record list of chosen names, with
/// its popup menu 记录列表菜单 (删除记录). Window thread only.
class RecordsPage : public QWidget {
    Q_OBJECT
public:
    explicit RecordsPage(QWidget* parent = nullptr);
    ~RecordsPage() override;

    NameListModel& recordList() { return *m_recordList; }
    /// The popup menu "记录列表菜单" of the record list.
    QMenu* recordMenu() { return m_recordMenu; }

    /// The record list in list order, as the settings file stores it.
    const std::vector<RecordFields>& records() const { return m_records.records(); }
    /// Appends restored records, numbered on from the rows already listed.
    void restoreRecords(const std::vector<RecordFields>& records);

    /// "删除记录": removes the record the menu was opened on (else the
    /// selected one) and renumbers the rest; does nothing without one or for
    /// a row with an empty 姓名 cell.
    void deleteRecord();
    /// Removes the record at `row` and renumbers the rest (see deleteRecord).
    void deleteRecordAt(int row);
    /// The right click at `pos` (viewport coordinates) of the record list:
    /// opens the menu for the row under the pointer; nothing on an empty
    /// area. Returns the row, or -1.
    int openRecordMenu(const QPoint& pos);

    /// The 姓名 cell of the score and record lists: surname + "\r\n" + given name.
    static QString nameCell(const QString& surname, const QString& givenName);
    /// The surname and given name of the 姓名 cell in the row of `index`;
    /// nothing for an invalid index or an empty cell. A cell without a line
    /// break (a hand-edited settings file) reads as a surname alone.
    static std::optional<std::pair<QString, QString>> splitNameCell(
        const NameListModel& list, const QModelIndex& index);

public Q_SLOTS:
    /// Keeps a name opened from a generation list: appends surname + "\r\n"
    /// + given name with columns 2 to 7 of `source`, unless the record list
    /// holds the name already. Emits `recordsChanged` when it adds a row.
    void recordName(const QString& surname, const QString& givenName, const jm::gui::ListRow& source);

Q_SIGNALS:
    /// A name of the record list was double-clicked.
    void nameActivated(const QString& surname, const QString& givenName);
    /// The record list changed (a record added or deleted); the window then
    /// writes it to the settings file at once.
    void recordsChanged();

private:
    void showRecords();

    std::unique_ptr<Ui::RecordsPage> m_ui;
    NameListModel* m_recordList = nullptr;
    QMenu* m_recordMenu = nullptr;
    RecordList m_records;
    /// The row the record menu was opened on, or -1.
    int m_menuRow = -1;
};

} // namespace jm::gui
