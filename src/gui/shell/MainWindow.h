#pragma once

#include "settings/Settings.h"
#include "shell/Skins.h"

#include <QMainWindow>
#include <QPointer>

#include <filesystem>
#include <memory>
#include <optional>

class QAction;
class QLabel;
namespace Ui {
class MainWindow;
}

namespace jm {
class NameDatabase;
}

namespace jm::gui {

class AboutWindow;
class ChartPage;
class ClassicPage;
class CombinationPage;
class ContentRouter;
class DatabaseLoader;
class EnglishPage;
class ExportActions;
class GenerationPage;
class HighScorePage;
class MessageService;
class ModePage;
class NicknamePage;
class PoemPage;
class RecordsPage;
class ScoringPage;
class SuperLuckyPage;

/// The program's main window: tool bar, menus, the tab control
/// 高级选择夹1 and the status bar. Each of the eleven tab pages is a class
/// of its own with its own form; the window creates them, wires them to
/// each other and to the run control (GenerationPage) and the content
/// windows (ContentRouter) through signals, and owns the start and exit
/// sequences and the settings file.
///
/// The database is owned by the caller and must outlive the window; the
/// window fills it on a thread of its own (`start`) and closes it on exit.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    /// Page numbers of 高级选择夹1.
    enum Page {
        PageModes = 0,
        PageHighScore = 1,
        PagePoem = 2,
        PageCombination = 3,
        PageNickname = 4,
        PageEnglish = 5,
        PageChart = 6,
        PageScoring = 7,
        PageRecords = 8,
        PageSuperLucky = 9,
        PageClassic = 10,
    };

    MainWindow(NameDatabase& db, MessageService& messages, QWidget* parent = nullptr);
    /// Runs the exit sequence if it has not run yet.
    ~MainWindow() override;

    /// The start sequence: the settings file (`configPath()`) read, the
    /// remembered skin applied, the window shown at its remembered place and
    /// size, the date boxes filled (today), the first birth chart, the
    /// classic hint, the saved inputs restored (texts, records, mode, birth
    /// and chart dates), then the database bootstrap from `shippedDatabase`
    /// started on its own thread. Failures (bootstrap, an unwritable data
    /// directory) are reported through the message service once the window
    /// is up. Runs once.
    void start(const std::filesystem::path& shippedDatabase = shippedDatabasePath());

    /// The exit sequence: a running generation is stopped, the bootstrap
    /// thread joined, the database closed and the settings saved. Runs once;
    /// closing the window and "退出程序" both run it.
    void runExitSequence();

    /// The tool bar's click handler; `item` counts the separators (0, 2, 4,
    /// 6, 8). The navigation menu items call it with the matching index.
    void onToolbarItem(int item);
    /// Makes page `n` of 高级选择夹1 the current page.
    void showPage(int n);
    /// Opens the about window (non-modal, without owner).
    void openAboutWindow();

    /// Sets the status bar pane to hint image `image` (0 to 6) and `text`.
    void setStatusHint(int image, const QString& text);
    QString statusHintText() const;
    int statusHintImage() const { return m_statusImage; }

    /// Enables the tool bar item 起名模式 (`toolbar`) and the menu item
    /// 模式选择 (`menu`): a run locks the way back to the mode page.
    void setModePageReachable(bool toolbar, bool menu);
    bool isModePageMenuEnabled() const;

    /// Writes the record list to the settings file at once.
    bool saveRecordList();

    /// True unless the database bootstrap failed (while it runs, queries
    /// wait for it, so the database counts as available).
    bool databaseAvailable() const { return m_databaseProblem.isEmpty(); }
    /// For every action that reads the database: returns true when it is
    /// available; otherwise tells the user that `action` ("起名", "评分",
    /// ...) cannot be done and why, and returns false.
    bool requireDatabase(const QString& action);

    /// The writable directory for pages and exports; nothing when it cannot
    /// be written (the user was told once, at start).
    const std::optional<std::filesystem::path>& dataDirectory() const { return m_dataDirectory; }

    MessageService& messages() { return m_messages; }
    NameDatabase& database() { return m_db; }
    SkinSwitcher& skins() { return m_skins; }
    GenerationPage& generationPage() { return *m_generation; }
    /// The checkable menu item 显示全部名字.
    QAction* showAllNamesAction() const { return m_showAllNames; }
    ContentRouter& contentRouter() { return *m_content; }
    ExportActions& exportActions() { return *m_exports; }
    /// The pages, in tab order.
    ModePage& modePage() { return *m_modePage; }
    HighScorePage& highScorePage() { return *m_highScore; }
    PoemPage& poemPage() { return *m_poem; }
    CombinationPage& combinationPage() { return *m_combination; }
    NicknamePage& nicknamePage() { return *m_nickname; }
    EnglishPage& englishPage() { return *m_english; }
    ChartPage& chartPage() { return *m_chart; }
    ScoringPage& scoringPage() { return *m_scoring; }
    RecordsPage& recordsPage() { return *m_records; }
    SuperLuckyPage& superLuckyPage() { return *m_superLucky; }
    ClassicPage& classicPage() { return *m_classic; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createPages();
    void connectNavigation();
    void connectGeneration();
    void connectNames();
    void fillNamingDateBoxes();
    void prepareChartPage();
    void prepareScoringPage();
    void readSettingsFile();
    void showAtRememberedPlace();
    void restoreSettings();
    /// A warning box once the event loop runs (start-up problems).
    void warnLater(const QString& text);
    void saveSettings();
    void onDatabaseLoaded(bool ok, const QString& error);

    std::unique_ptr<Ui::MainWindow> m_ui;
    NameDatabase& m_db;
    MessageService& m_messages;
    Settings m_settings;
    SkinSwitcher m_skins;
    DatabaseLoader* m_loader = nullptr;
    GenerationPage* m_generation = nullptr;
    ContentRouter* m_content = nullptr;
    ExportActions* m_exports = nullptr;
    ModePage* m_modePage = nullptr;
    HighScorePage* m_highScore = nullptr;
    PoemPage* m_poem = nullptr;
    CombinationPage* m_combination = nullptr;
    NicknamePage* m_nickname = nullptr;
    EnglishPage* m_english = nullptr;
    ChartPage* m_chart = nullptr;
    ScoringPage* m_scoring = nullptr;
    RecordsPage* m_records = nullptr;
    SuperLuckyPage* m_superLucky = nullptr;
    ClassicPage* m_classic = nullptr;
    QAction* m_showAllNames = nullptr;
    QLabel* m_statusIcon = nullptr;
    QLabel* m_statusText = nullptr;
    QLabel* m_databaseWarning = nullptr;
    QString m_databaseProblem;
    int m_statusImage = -1;
    QPointer<AboutWindow> m_about;
    std::optional<std::filesystem::path> m_dataDirectory;
    bool m_started = false;
    bool m_exited = false;
    bool m_settingsFailureReported = false;
};

} // namespace jm::gui
