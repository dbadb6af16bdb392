#pragma once

#include <QDialog>
#include <QPointer>

#include <filesystem>

class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace jm {
class NameDatabase;
}

namespace jm::gui {

class MessageService;
class SinglePageWindow;

/// The dictionary window 汉字查询: the characters typed in 编辑框1 are looked
/// up one by one with 按钮_查询 and listed in 列表框_查询结果 (a traditional
/// character under the simplified one whose 繁体 it is: 龍 → 龙); the chosen
/// entry is shown on its dictionary page in the single-page viewer, captioned
/// " 汉字[ X ]的详细解释". Window thread only.
class DictionaryWindow : public QDialog {
    Q_OBJECT
public:
    /// `directory` receives the page (temp.html). The database and the
    /// message service must outlive the window.
    DictionaryWindow(
        NameDatabase& db, MessageService& messages, std::filesystem::path directory, QWidget* parent = nullptr);

    /// The click of 查询: lists what the dictionary has for each typed
    /// character and shows the first entry. An empty box, or characters the
    /// dictionary does not know, are reported through the message service.
    void lookUpCharacter();

    /// The viewer of the last look-up; null before the first one or once closed.
    SinglePageWindow* pageWindow() const;

private:
    void showEntry(const QListWidgetItem* item);

    NameDatabase& m_db;
    MessageService& m_messages;
    std::filesystem::path m_directory;
    QLineEdit* m_edit = nullptr;
    QListWidget* m_list = nullptr;
    QPointer<SinglePageWindow> m_pageWindow;
};

} // namespace jm::gui
