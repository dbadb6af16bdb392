#pragma once

#include "generate/EnglishRow.h"
#include "generate/GenerationRequest.h"
#include "generate/QueuedGenerationSink.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QModelIndex;

namespace jm {
class NameDatabase;
class NameList;
class WorkerThread;
}

namespace jm::gui {

class GenerationCharacterDialog;
class MainWindow;
class MessageService;
class ModePage;
class NameListModel;
struct ListRow;
class RunStatus;
class WaitingWindow;

/// The generation side of the main window: the run control behind the mode
/// page and the result lists of the modes. A run is performed by the core
/// worker on a thread of its own; this object builds its request from the
/// mode page and the option readers of the mode pages when the run starts
/// and takes in what the run reports on the window thread, so the window
/// never waits for the worker. The pages follow a run through the signals
/// (`runStarted`, `firstListed`, `runFinished`, ...), which the window
/// connects. At most one run is active: starting one stops the active one first.
class GenerationPage : public QObject {
    Q_OBJECT
public:
    /// The mode page, the database and the message service must outlive this object.
    GenerationPage(MainWindow& window, ModePage& modePage, NameDatabase& db, MessageService& messages);
    /// Stops a running generation and waits for it.
    ~GenerationPage() override;

    /// The result lists of the modes, shown by their pages.
    NameListModel& highScoreList() { return *m_highScoreList; }
    NameListModel& superLuckyList() { return *m_superLuckyList; }
    NameListModel& poemNameList() { return *m_poemNameList; }
    NameListModel& combinationList() { return *m_combinationList; }
    NameListModel& nicknameList() { return *m_nicknameList; }
    NameListModel& englishList() { return *m_englishList; }
    /// The scored result list of `mode`; null for English and classic.
    NameListModel* scoredList(GenerationMode mode);

    /// The surname of the last high-score or super-lucky run started from
    /// the mode page; the window sets it when it opens.
    void setLastSurname(const QString& surname) { m_lastSurname = surname; }
    const QString& lastSurname() const { return m_lastSurname; }

    /// The generation character (辈份) runs use; kept for the program's life.
    const GenerationCharacterSetting& generationCharacter() const { return m_generationCharacter; }
    /// Forgets the generation character, so runs use none.
    void resetGenerationCharacter() { m_generationCharacter = {}; }
    /// 显示全部名字: runs list every name the rules give instead of leaving
    /// out unsuitable ones. Read when a run starts.
    bool showAllNames() const { return m_showAllNames; }
    void setShowAllNames(bool on) { m_showAllNames = on; }
    /// Opens the dialog "设置辈份" over the main window (window-modal, not
    /// blocking) and returns it; it deletes itself when closed.
    GenerationCharacterDialog* openGenerationCharacterDialog();

    /// Registers the function that fills the options of `mode` (its
    /// page's inputs) into the request when a run of that mode starts.
    void setOptionReader(GenerationMode mode, std::function<void(GenerationRequest&)> reader);
    /// Registers the run line of the page of `mode`: it follows the runs of
    /// that mode (progress, how the run ended) and its 取消 cancels them.
    void setRunStatus(GenerationMode mode, RunStatus* status);
    /// Registers the check a page's own button makes of its inputs before a
    /// run of `mode` starts; a false result starts nothing.
    void setInputCheck(GenerationMode mode, std::function<bool()> check);
    /// The request a run started now would perform: the checked mode, the
    /// surname, sex and name length of the mode page, the generation
    /// character and the mode's own options.
    GenerationRequest buildRequest() const;
    /// The same for a run of `mode`, whatever mode the mode page has checked.
    GenerationRequest buildRequest(GenerationMode mode) const;

    /// The click of 开始起名 on the mode page: checks the surname, then, by
    /// the checked mode, starts a run (classic; high score with a new
    /// surname) or shows the mode's page, emptying its list.
    void onStartButton();
    /// A page's own start button: empties the result list of `mode` (if it
    /// has one) and starts a run of `mode`.
    void startFromPage(GenerationMode mode);
    /// The start button of the English page: the page's input check, then
    /// the list emptied and a run started.
    void onEnglishButton();
    /// A page's pause button: parks the worker (`pause`) or lets it go on.
    void setPaused(bool pause);
    /// A name of the result list of `mode` was double-clicked: emits
    /// `nameActivated` and `recordRequested` for it.
    void activateName(GenerationMode mode, const QModelIndex& index);

    /// Starts a run of the checked mode, stopping the active run first. A
    /// mode the engine cannot perform yet starts nothing.
    void startRun();
    /// Starts a run of `mode` (a page's own button).
    void startRun(GenerationMode mode);
    /// True while a run is active (also while it is paused).
    bool isRunning() const;
    /// True once the active run has parked on a pause and every name it
    /// listed before is in its list; false again after resuming.
    bool isPaused() const;
    /// The next run starts already paused: it parks at its first check and
    /// isPaused() turns true without a race against the run's end.
    void startNextRunPaused() { m_startPaused = true; }
    /// 取消 (a page's run line or the waiting window): ends the active run at
    /// its next check, keeps the names it listed (in listing order) and says
    /// on the run's page that it was cancelled. Nothing happens when no run
    /// is active.
    void cancelRun();
    /// Stops a running generation and waits until it has let go of the
    /// database; the window is unlocked as after the end of a run. Called
    /// first when the program exits; returns at once when nothing runs.
    void stopRun();

    /// The surname the list of `mode` was generated with.
    QString listSurname(GenerationMode mode) const { return m_listSurnames[index(mode)]; }

    /// The waiting window of the active run, while it is open.
    WaitingWindow* waitingWindow() const;

    /// Takes in everything the active run has reported so far. Called by
    /// itself whenever the run reports; tests may call it to flush.
    void takeEvents();

Q_SIGNALS:
    /// A name of a result list was double-clicked: `surname` is the surname
    /// the list was generated with, `givenName` the rest of the listed name.
    void nameActivated(const QString& surname, const QString& givenName);
    /// After `nameActivated` from a scored result list: the row to keep in
    /// the record list.
    void recordRequested(const QString& surname, const QString& givenName, const jm::gui::ListRow& row);
    /// "开始起名" showed the page of `mode` (poem: fill the poet list;
    /// super-lucky: apply the filter rules).
    void modePageOpened(jm::GenerationMode mode);
    /// "开始起名" showed the English page for `surname`.
    void englishPageOpened(const QString& surname);
    /// "开始起名" with a new surname started the list of `mode` (high score,
    /// super-lucky) over: the list is empty, its page is not paused.
    void listRestarted(jm::GenerationMode mode);
    /// A run of `mode` has started / ended (`stopped` when it was cut short).
    void runStarted(jm::GenerationMode mode);
    void runFinished(jm::GenerationMode mode, bool stopped);
    /// A run of `mode` listed its first name.
    void firstListed(jm::GenerationMode mode);
    /// An English run listed `rows` from row `firstRow` on.
    void englishRowsListed(std::size_t firstRow, const std::vector<jm::EnglishRow>& rows);
    /// A classic run listed its names as text (lines apart by CR LF).
    void classicTextListed(const QString& text);

private:
    /// The window's side of one run.
    struct ActiveRun {
        GenerationMode mode;
        std::shared_ptr<QueuedGenerationSink> sink;
        /// Messages of a run the window stopped are no longer shown.
        bool quiet = false;
        /// The run has emptied its list and given it its empty rows.
        bool listPrepared = false;
        /// The names the run lists (its list shows them until emptied).
        const NameList* names = nullptr;
        /// The run reported that it parked on a pause.
        bool parked = false;
        bool finished = false;
        /// The user cancelled the run (取消), rather than another run or the exit.
        bool cancelled = false;
    };

    static std::size_t index(GenerationMode mode) { return static_cast<std::size_t>(mode); }

    void setGenerationCharacter(const GenerationCharacterSetting& setting);
    /// The inputs of the mode page a list depends on, as one comparable text.
    QString requestInputs() const;

    void beginRun(GenerationMode mode);
    void dispatch(ActiveRun& run, GenerationEvent& event);
    void finishRun(ActiveRun& run, GenerationResult& result);
    /// What the run's page says when `run` has ended with `result`: the
    /// number of names listed, that it was cancelled, or why it listed nothing.
    static QString summaryOf(const ActiveRun& run, const GenerationResult& result);
    void closeWaitingWindow();
    RunStatus* runStatus(GenerationMode mode) const { return m_runStatuses[index(mode)]; }

    MainWindow& m_window;
    ModePage& m_mode;
    NameDatabase& m_db;
    MessageService& m_messages;
    NameListModel* m_highScoreList = nullptr;
    NameListModel* m_superLuckyList = nullptr;
    NameListModel* m_poemNameList = nullptr;
    NameListModel* m_combinationList = nullptr;
    NameListModel* m_nicknameList = nullptr;
    NameListModel* m_englishList = nullptr;
    QString m_lastSurname;
    /// What the last high-score / super-lucky list of 开始起名 was asked
    /// for: surname, sex, name length and generation character.
    QString m_lastInputs;
    GenerationCharacterSetting m_generationCharacter;
    bool m_showAllNames = false;
    std::array<std::function<void(GenerationRequest&)>, 7> m_optionReaders;
    std::array<std::function<bool()>, 7> m_inputChecks;
    std::array<QString, 7> m_listSurnames;
    std::array<RunStatus*, 7> m_runStatuses {};

    std::unique_ptr<WorkerThread> m_worker;
    bool m_startPaused = false;
    std::shared_ptr<ActiveRun> m_run;
    QPointer<WaitingWindow> m_waiting;
    bool m_dispatching = false;
    bool m_takeAgain = false;
};

} // namespace jm::gui
