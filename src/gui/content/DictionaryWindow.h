#pragma once

#include <QDialog>
#include <QPointer>

#include <filesystem>

class QLineEdit;

namespace jm {
class NameDatabase;
}

namespace jm::gui {

class SinglePageWindow;

/// The dictionary window 汉字查询: a character typed in 编辑框1 and looked
/// up with 按钮_查询 is shown on its dictionary page in the single-page
/// viewer, captioned " 汉字[ X ]的详细解释". Window thread only.
class DictionaryWindow : public QDialog {
    Q_OBJECT
public:
    /// `directory` receives the page (temp.html). The database must outlive the window.
    DictionaryWindow(NameDatabase& db, std::filesystem::path directory, QWidget* parent = nullptr);

    /// The click of 查询: writes the page of the typed text (used as typed:
    /// not trimmed, HTML-escaped on the page) and shows it in the viewer,
    /// which this window opens on the first look-up and reuses afterwards.
    void lookUpCharacter();

    /// The viewer of the last look-up; null before the first one or once closed.
    SinglePageWindow* pageWindow() const;

private:
    NameDatabase& m_db;
    std::filesystem::path m_directory;
    QLineEdit* m_edit = nullptr;
    QPointer<SinglePageWindow> m_pageWindow;
};

} // namespace jm::gui
