#pragma once

#include "settings/Settings.h"

#include <QObject>
#include <QPoint>

#include <vector>

class QMenu;
namespace Ui {
class MainWindow;
}

namespace jm {
class NameDatabase;
}

namespace jm::gui {

class MainWindow;
class MessageService;
class NameListModel;
struct ListRow;

/// The pages 姓名评分 (rating a typed name) and 起名记录 (the record list
/// of chosen names) of the main window.
class ScoringPage : public QObject {
    Q_OBJECT
public:
    ScoringPage(Ui::MainWindow& ui, MainWindow& window, NameDatabase& db, MessageService& messages);

    NameListModel& scoreList() { return *m_scoreList; }
    NameListModel& recordList() { return *m_recordList; }
    /// The popup menu "记录列表菜单" of the record list.
    QMenu* recordMenu() { return m_recordMenu; }

    /// The record list in list order, as the settings file stores it.
    const std::vector<RecordFields>& records() const { return m_records.records(); }
    /// Appends restored records, numbered on from the rows already listed.
    void restoreRecords(const std::vector<RecordFields>& records);

    /// The click of 按钮_评分: rates 编辑框_评分姓氏 + 编辑框_评分名字 (and
    /// rewrites the report page in the data directory) and appends the name
    /// to the score list unless it is listed there already. An empty box is
    /// reported in a message box and nothing else happens.
    void scoreTypedName();

    /// Keeps a name opened from a generation list: appends surname + "\r\n"
    /// + given name with columns 2 to 7 of `source`, unless the record list
    /// holds the name already. The settings file is updated at once.
    void recordName(const QString& surname, const QString& givenName, const ListRow& source);

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

Q_SIGNALS:
    /// A name of the score list or the record list was double-clicked.
    void nameActivated(const QString& surname, const QString& givenName);
    /// The record list changed (a record added or deleted); the window then
    /// writes it to the settings file at once.
    void recordsChanged();

private:
    void activateName(const NameListModel& list, const QModelIndex& index);
    void showRecords();

    Ui::MainWindow& m_ui;
    MainWindow& m_window;
    NameDatabase& m_db;
    MessageService& m_messages;
    NameListModel* m_scoreList = nullptr;
    NameListModel* m_recordList = nullptr;
    QMenu* m_recordMenu = nullptr;
    RecordList m_records;
    /// The row the record menu was opened on, or -1.
    int m_menuRow = -1;
};

} // namespace jm::gui
