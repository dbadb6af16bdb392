#pragma once

#include <QObject>
#include <QString>

#include <vector>

class QRadioButton;
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

/// The generation side of the main window: the mode page, the result pages
/// of the seven modes and the status-bar hint of the selected mode.
class GenerationPage : public QObject {
    Q_OBJECT
public:
    GenerationPage(Ui::MainWindow& ui, MainWindow& window, NameDatabase& db, MessageService& messages);

    /// The result lists of the modes and the poet and poem lists.
    NameListModel& highScoreList() { return *m_highScoreList; }
    NameListModel& superLuckyList() { return *m_superLuckyList; }
    NameListModel& poemNameList() { return *m_poemNameList; }
    NameListModel& combinationList() { return *m_combinationList; }
    NameListModel& nicknameList() { return *m_nicknameList; }
    NameListModel& englishList() { return *m_englishList; }
    NameListModel& poetList() { return *m_poetList; }
    NameListModel& poemList() { return *m_poemList; }

    /// Shows the hint image and text of the mode whose option button is
    /// `option` in the status bar.
    void showModeHint(const QRadioButton* option);

    /// The surname of the last high-score or super-lucky run started from
    /// the mode page; the window sets it when it opens.
    void setLastSurname(const QString& surname) { m_lastSurname = surname; }
    const QString& lastSurname() const { return m_lastSurname; }

    /// Forgets the generation character, so runs use none.
    void resetGenerationCharacter() { m_generationCharacter.clear(); }
    const QString& generationCharacter() const { return m_generationCharacter; }

    bool isRunning() const { return false; }
    /// Stops a running generation and waits until it has let go of the
    /// database. Called first when the program exits; returns at once when
    /// nothing runs.
    void stopRun();

private:
    struct ModeHint {
        QRadioButton* option;
        int image;
        QString text;
    };

    Ui::MainWindow& m_ui;
    MainWindow& m_window;
    NameDatabase& m_db;
    MessageService& m_messages;
    std::vector<ModeHint> m_hints;
    NameListModel* m_highScoreList = nullptr;
    NameListModel* m_superLuckyList = nullptr;
    NameListModel* m_poemNameList = nullptr;
    NameListModel* m_combinationList = nullptr;
    NameListModel* m_nicknameList = nullptr;
    NameListModel* m_englishList = nullptr;
    NameListModel* m_poetList = nullptr;
    NameListModel* m_poemList = nullptr;
    QString m_lastSurname;
    QString m_generationCharacter;
};

} // namespace jm::gui
