#pragma once

#include "settings/Settings.h"
#include "shell/Skins.h"

#include <QMainWindow>
#include <QPointer>

#include <filesystem>
#include <memory>
#include <optional>

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
class ContentRouter;
class DatabaseLoader;
class EnglishPage;
class ExportActions;
class GenerationPage;
class MessageService;
class PoemPage;
class ScoringPage;
class SuperLuckyPage;

/// The program's main window: tool bar, menus, the tab control
/// 高级选择夹1 with its eleven pages and the status bar. It routes events
/// to the page controllers (generation, scoring, chart, content) and owns
/// the start and exit sequences and the settings file.
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

    /// The start sequence: start skin, window shown, date boxes filled, the
    /// first birth chart, the classic hint, the saved inputs restored from
    /// the settings file (`configPath()`), then the database bootstrap from
    /// `shippedDatabase` started on its own thread. Failures (bootstrap, an
    /// unwritable data directory) are reported through the message service
    /// once the window is up. Runs once.
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

    /// Writes the record list to the settings file at once.
    bool saveRecordList();

    /// The writable directory for pages and exports; nothing when it cannot
    /// be written (the user was told once, at start).
    const std::optional<std::filesystem::path>& dataDirectory() const { return m_dataDirectory; }

    Ui::MainWindow& ui() { return *m_ui; }
    MessageService& messages() { return m_messages; }
    NameDatabase& database() { return m_db; }
    SkinSwitcher& skins() { return m_skins; }
    GenerationPage& generationPage() { return *m_generation; }
    ScoringPage& scoringPage() { return *m_scoring; }
    ChartPage& chartPage() { return *m_chart; }
    ContentRouter& contentRouter() { return *m_content; }
    PoemPage& poemPage() { return *m_poem; }
    EnglishPage& englishPage() { return *m_english; }
    SuperLuckyPage& superLuckyPage() { return *m_superLucky; }
    ExportActions& exportActions() { return *m_exports; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void connectNavigation();
    void connectGeneration();
    void fillNamingDateBoxes();
    void prepareChartPage();
    void prepareScoringPage();
    void loadSettings();
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
    ScoringPage* m_scoring = nullptr;
    ChartPage* m_chart = nullptr;
    ContentRouter* m_content = nullptr;
    PoemPage* m_poem = nullptr;
    EnglishPage* m_english = nullptr;
    SuperLuckyPage* m_superLucky = nullptr;
    ExportActions* m_exports = nullptr;
    QLabel* m_statusIcon = nullptr;
    QLabel* m_statusText = nullptr;
    int m_statusImage = -1;
    QPointer<AboutWindow> m_about;
    std::optional<std::filesystem::path> m_dataDirectory;
    bool m_started = false;
    bool m_exited = false;
    bool m_settingsFailureReported = false;
};

} // namespace jm::gui
