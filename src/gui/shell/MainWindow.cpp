#include "shell/MainWindow.h"

#include "chart/ChartPage.h"
#include "content/ContentRouter.h"
#include "data/NameDatabase.h"
#include "generate/ClassicPage.h"
#include "generate/CombinationPage.h"
#include "generate/EnglishPage.h"
#include "generate/ExportActions.h"
#include "generate/GenerationPage.h"
#include "generate/HighScorePage.h"
#include "generate/ModePage.h"
#include "generate/NicknamePage.h"
#include "generate/PoemPage.h"
#include "generate/Pronunciation.h"
#include "generate/ResultExport.h"
#include "generate/SuperLuckyPage.h"
#include "scoring/RecordsPage.h"
#include "scoring/ScoringPage.h"
#include "shell/AboutWindow.h"
#include "shell/Application.h"
#include "shell/DatabaseLoader.h"
#include "shell/DateLists.h"
#include "shell/MessageService.h"
#include "shell/NameListModel.h"
#include "text/Text.h"
#include "ui_MainWindow.h"

#include <utility>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace jm::gui {
namespace {

QString qText(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}
std::string stdText(const QString& text)
{
    return text.toStdString();
}

} // namespace

MainWindow::MainWindow(NameDatabase& db, MessageService& messages, QWidget* parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::MainWindow>())
    , m_db(db)
    , m_messages(messages)
{
    programIcon(); // registers the compiled-in pictures before the layout uses them
    m_ui->setupUi(this);
    setWindowTitle(QString::fromUtf8(kProductName) + QStringLiteral(" - 宝宝起名 ") + QStringLiteral(JIAMING_VERSION));
    resize(729, 513);

    m_statusIcon = new QLabel(this);
    m_statusIcon->setObjectName(QStringLiteral("状态条1_图标"));
    m_statusText = new QLabel(this);
    m_statusText->setObjectName(QStringLiteral("状态条1_文本"));
    m_ui->状态条1->addWidget(m_statusIcon);
    m_ui->状态条1->addWidget(m_statusText, 1);

    m_loader = new DatabaseLoader(m_db, this);
    connect(m_loader, &DatabaseLoader::finished, this, &MainWindow::onDatabaseLoaded);

    createPages();
    m_content = new ContentRouter(m_ui->菜单_育儿知识, m_ui->菜单_算命风水, *this, m_db, m_messages);
    m_exports = new ExportActions(m_messages, this, this);
    m_exports->addNameList(m_highScore->exportButton(), m_generation->highScoreList(), kHighScoreExportFile);
    m_exports->addNameList(m_superLucky->exportButton(), m_generation->superLuckyList(), kSuperLuckyExportFile);
    m_exports->addNameList(m_poem->exportButton(), m_generation->poemNameList(), kPoemExportFile);
    m_exports->addNameList(m_combination->exportButton(), m_generation->combinationList(), kCombinationExportFile);
    m_exports->addNameList(m_nickname->exportButton(), m_generation->nicknameList(), kNicknameExportFile);
    m_exports->addEnglishList(m_english->exportButton(), m_generation->englishList(), kEnglishExportFile);
    m_exports->addText(m_classic->exportButton(), m_classic->textBox(), kClassicExportFile);
    // 显示全部名字: the literal lists, unsuitable names included. Saved with
    // the other settings; read by each run when it starts.
    m_showAllNames = new QAction(QStringLiteral("显示全部名字"), this);
    m_showAllNames->setObjectName(QStringLiteral("菜单项_显示全部名字"));
    m_showAllNames->setCheckable(true);
    m_ui->菜单_操作->insertAction(m_ui->菜单项_退出程序, m_showAllNames);
    m_ui->菜单_操作->insertSeparator(m_ui->菜单项_退出程序);
    connect(m_showAllNames, &QAction::toggled, m_generation, &GenerationPage::setShowAllNames);

    connectNavigation();
    connectGeneration();
    connectNames();
    // The chart page charts the naming date of the mode page.
    connect(m_modePage, &ModePage::birthDateChanged, m_chart, &ChartPage::setNamingDate);
    connect(m_modePage, &ModePage::modeHintChanged, this, &MainWindow::setStatusHint);
}

void MainWindow::createPages()
{
    // The generation side first: the result pages show its lists.
    m_modePage = new ModePage;
    m_generation = new GenerationPage(*this, *m_modePage, m_db, m_messages);
    m_highScore = new HighScorePage(m_generation->highScoreList());
    m_poem = new PoemPage(m_db, m_messages, m_generation->poemNameList());
    m_combination = new CombinationPage(m_generation->combinationList());
    m_nickname = new NicknamePage(m_generation->nicknameList());
    m_english = new EnglishPage(m_generation->englishList(), m_ui->状态条1);
    m_chart = new ChartPage;
    m_scoring = new ScoringPage(m_db, m_messages);
    m_scoring->setDatabaseCheck([this] { return requireDatabase(QStringLiteral("评分")); });
    m_records = new RecordsPage;
    m_superLucky = new SuperLuckyPage(m_generation->superLuckyList());
    m_classic = new ClassicPage;
    // In the order of `Page`; each page's title is its window title.
    QWidget* const pages[] = { m_modePage, m_highScore, m_poem, m_combination, m_nickname, m_english, m_chart,
        m_scoring, m_records, m_superLucky, m_classic };
    for (QWidget* page : pages)
        m_ui->高级选择夹1->addTab(page, page->windowTitle());
}

MainWindow::~MainWindow()
{
    runExitSequence();
}

void MainWindow::connectNavigation()
{
    Ui::MainWindow& ui = *m_ui;
    connect(ui.工具条1, &QToolBar::actionTriggered, this,
        [this](QAction* action) { onToolbarItem(m_ui->工具条1->actions().indexOf(action)); });
    const std::pair<QAction*, int> menuItems[] = {
        { ui.菜单项_模式选择, 0 },
        { ui.菜单项_生辰八字, 2 },
        { ui.菜单项_姓名评分, 4 },
        { ui.菜单项_起名记录, 6 },
        { ui.菜单项_新华字典, 8 },
    };
    for (const auto& [action, item] : menuItems)
        connect(action, &QAction::triggered, this, [this, item = item] { onToolbarItem(item); });
    connect(ui.菜单项_退出程序, &QAction::triggered, this, [this] {
        runExitSequence();
        close();
    });
    connect(ui.菜单项_更换皮肤, &QAction::triggered, this, [this] {
        m_skins.nextSkin();
        const int skin = m_skins.currentSkin();
        m_ui->状态条1->showMessage(
            QStringLiteral("皮肤：%1（%2/%3）").arg(skinName(skin)).arg(skin).arg(kSkinCount), 4000);
    });
    connect(ui.菜单项_使用帮助, &QAction::triggered, m_content, &ContentRouter::openHelp);
    connect(ui.菜单项_关于软件, &QAction::triggered, this, &MainWindow::openAboutWindow);
    connect(m_poem, &PoemPage::showRequested, this, [this] { showPage(PagePoem); });
}

void MainWindow::connectGeneration()
{
    GenerationPage& generation = *m_generation;
    generation.setOptionReader(GenerationMode::Poem, [this](GenerationRequest& r) { m_poem->fillRequest(r); });
    generation.setOptionReader(GenerationMode::English, [this](GenerationRequest& r) { m_english->fillRequest(r); });
    generation.setOptionReader(
        GenerationMode::SuperLucky, [this](GenerationRequest& r) { m_superLucky->fillRequest(r); });
    generation.setOptionReader(
        GenerationMode::Combination, [this](GenerationRequest& r) { m_combination->fillRequest(r); });
    generation.setOptionReader(GenerationMode::Nickname, [this](GenerationRequest& r) { m_nickname->fillRequest(r); });
    // The run lines of the pages: progress, 取消 and how each run ended.
    generation.setRunStatus(GenerationMode::HighScore, &m_highScore->runStatus());
    generation.setRunStatus(GenerationMode::SuperLucky, &m_superLucky->runStatus());
    generation.setRunStatus(GenerationMode::Poem, &m_poem->runStatus());
    generation.setRunStatus(GenerationMode::Combination, &m_combination->runStatus());
    generation.setRunStatus(GenerationMode::Nickname, &m_nickname->runStatus());
    generation.setRunStatus(GenerationMode::English, &m_english->runStatus());
    generation.setRunStatus(GenerationMode::Classic, &m_classic->runStatus());
    generation.setInputCheck(GenerationMode::English, [this] { return m_english->checkInputs(m_messages); });

    // The buttons that start, pause and open. Every mode reads the database.
    connect(m_modePage, &ModePage::startClicked, &generation, [this] {
        if (requireDatabase(QStringLiteral("起名"))) m_generation->onStartButton();
    });
    connect(m_modePage, &ModePage::generationCharacterClicked, &generation,
        [this] { m_generation->openGenerationCharacterDialog(); });
    const auto startFrom = [this](GenerationMode mode) {
        return [this, mode] {
            if (requireDatabase(QStringLiteral("起名"))) m_generation->startFromPage(mode);
        };
    };
    connect(m_highScore, &HighScorePage::generateClicked, &generation, startFrom(GenerationMode::HighScore));
    connect(m_superLucky, &SuperLuckyPage::generateClicked, &generation, startFrom(GenerationMode::SuperLucky));
    connect(m_poem, &PoemPage::generateClicked, &generation, startFrom(GenerationMode::Poem));
    connect(m_combination, &CombinationPage::generateClicked, &generation, startFrom(GenerationMode::Combination));
    connect(m_nickname, &NicknamePage::generateClicked, &generation, startFrom(GenerationMode::Nickname));
    connect(m_classic, &ClassicPage::generateClicked, &generation, startFrom(GenerationMode::Classic));
    connect(m_english, &EnglishPage::generateClicked, &generation, [this] {
        if (requireDatabase(QStringLiteral("起英文名"))) m_generation->onEnglishButton();
    });
    connect(m_highScore, &HighScorePage::pauseToggled, &generation, &GenerationPage::setPaused);
    connect(m_superLucky, &SuperLuckyPage::pauseToggled, &generation, &GenerationPage::setPaused);

    // What the mode page and the runs tell the pages.
    connect(&generation, &GenerationPage::modePageOpened, this, [this](GenerationMode mode) {
        if (mode == GenerationMode::Poem) m_poem->openPage();
        if (mode == GenerationMode::SuperLucky) m_superLucky->applyMustHaveRule();
    });
    connect(&generation, &GenerationPage::englishPageOpened, m_english, &EnglishPage::setSurname);
    connect(&generation, &GenerationPage::listRestarted, m_highScore, &HighScorePage::restartList);
    connect(&generation, &GenerationPage::listRestarted, m_superLucky, &SuperLuckyPage::restartList);
    connect(&generation, &GenerationPage::runStarted, m_highScore, &HighScorePage::onRunStarted);
    connect(&generation, &GenerationPage::runStarted, m_superLucky, &SuperLuckyPage::onRunStarted);
    connect(&generation, &GenerationPage::runStarted, m_nickname, &NicknamePage::onRunStarted);
    connect(&generation, &GenerationPage::runStarted, m_classic, &ClassicPage::onRunStarted);
    connect(&generation, &GenerationPage::runStarted, this, [this](GenerationMode mode) {
        if (mode == GenerationMode::Poem) m_poem->showNameList();
    });
    connect(&generation, &GenerationPage::firstListed, m_highScore, &HighScorePage::onFirstListed);
    connect(&generation, &GenerationPage::firstListed, m_superLucky, &SuperLuckyPage::onFirstListed);
    connect(&generation, &GenerationPage::englishRowsListed, m_english, &EnglishPage::showRows);
    connect(&generation, &GenerationPage::classicTextListed, m_classic, &ClassicPage::showText);
    const auto finished = [](auto* page) { return [page](GenerationMode mode, bool) { page->onRunFinished(mode); }; };
    connect(&generation, &GenerationPage::runFinished, m_highScore, finished(m_highScore));
    connect(&generation, &GenerationPage::runFinished, m_superLucky, finished(m_superLucky));
    connect(&generation, &GenerationPage::runFinished, m_nickname, finished(m_nickname));
}

void MainWindow::connectNames()
{
    // A double-clicked name opens the detail window; one from a result list is also recorded.
    const auto activate = [this](GenerationMode mode) {
        return [this, mode](const QModelIndex& index) { m_generation->activateName(mode, index); };
    };
    connect(m_highScore, &HighScorePage::nameDoubleClicked, m_generation, activate(GenerationMode::HighScore));
    connect(m_superLucky, &SuperLuckyPage::nameDoubleClicked, m_generation, activate(GenerationMode::SuperLucky));
    connect(m_poem, &PoemPage::nameDoubleClicked, m_generation, activate(GenerationMode::Poem));
    connect(m_combination, &CombinationPage::nameDoubleClicked, m_generation, activate(GenerationMode::Combination));
    connect(m_nickname, &NicknamePage::nameDoubleClicked, m_generation, activate(GenerationMode::Nickname));
    connect(m_generation, &GenerationPage::recordRequested, m_records, &RecordsPage::recordName);
    connect(m_generation, &GenerationPage::nameActivated, m_content, &ContentRouter::showNameDetail);
    connect(m_scoring, &ScoringPage::nameActivated, m_content, &ContentRouter::showNameDetail);
    connect(m_records, &RecordsPage::nameActivated, m_content, &ContentRouter::showNameDetail);
    connect(m_records, &RecordsPage::recordsChanged, this, &MainWindow::saveRecordList);
}

void MainWindow::start(const std::filesystem::path& shippedDatabase)
{
    if (m_started) return;
    m_started = true;
    // Read first: the skin and the window's place come from it.
    readSettingsFile();
    if (!m_skins.applySkin(m_settings.skin())) m_skins.applySkin(kDefaultSkin);
    showAtRememberedPlace();
    fillNamingDateBoxes();
    m_chart->runBirthChart();
    m_generation->setLastSurname(m_modePage->surname());
    m_modePage->showModeHint(GenerationMode::Classic);
    restoreSettings();
    m_generation->resetGenerationCharacter();

    m_dataDirectory = ensureDataDirectory();
    m_scoring->setDataDirectory(m_dataDirectory);
    if (!m_dataDirectory)
        warnLater(QStringLiteral("无法写入数据目录 %1，名字报告和导出的名单将不能保存。")
                      .arg(QString::fromStdString(displayPath(jm::dataDirectory()))));
    m_loader->start(shippedDatabase);
}

void MainWindow::fillNamingDateBoxes()
{
    m_modePage->fillDateBoxes();
    // The chart and scoring pages get their lists now as well, so that they
    // are usable when reached through their tabs rather than the tool bar.
    prepareChartPage();
    prepareScoringPage();
}

void MainWindow::prepareChartPage()
{
    m_chart->setNamingDate(m_modePage->birthDate());
    m_chart->prepare();
}

void MainWindow::prepareScoringPage()
{
    m_scoring->prepare(m_modePage->surname());
}

void MainWindow::onToolbarItem(int item)
{
    switch (item) {
    case 0:
        showPage(PageModes);
        break;
    case 2:
        prepareChartPage();
        showPage(PageChart);
        break;
    case 4:
        prepareScoringPage();
        showPage(PageScoring);
        break;
    case 6:
        showPage(PageRecords);
        break;
    case 8:
        m_content->openDictionary();
        break;
    default:
        break;
    }
}

void MainWindow::showPage(int n)
{
    m_ui->高级选择夹1->setCurrentIndex(n);
}

void MainWindow::openAboutWindow()
{
    if (!m_about) m_about = new AboutWindow;
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void MainWindow::setStatusHint(int image, const QString& text)
{
    m_statusImage = image;
    m_statusIcon->setPixmap(modeHintIcon(image).pixmap(16, 16));
    m_statusText->setText(text);
}

void MainWindow::setModePageReachable(bool toolbar, bool menu)
{
    if (QAction* first = m_ui->工具条1->actions().value(0)) first->setEnabled(toolbar);
    m_ui->菜单项_模式选择->setEnabled(menu);
    // The tab header follows the toolbar: the mode page cannot change under a run.
    m_ui->高级选择夹1->setTabEnabled(PageModes, toolbar);
}

bool MainWindow::isModePageMenuEnabled() const
{
    return m_ui->菜单项_模式选择->isEnabled();
}

QString MainWindow::statusHintText() const
{
    return m_statusText->text();
}

void MainWindow::warnLater(const QString& text)
{
    // After the window is shown, so the box has a parent on screen.
    QTimer::singleShot(0, this, [this, text] {
        if (!m_exited) m_messages.warning(this, text, MessageService::hintTitle());
    });
}

void MainWindow::readSettingsFile()
{
    m_settings = Settings(configPath());
    if (const Result<void> locked = m_settings.lock(); !locked) warnLater(QString::fromStdString(locked.error()));
    if (const Result<void> loaded = m_settings.load(); !loaded) warnLater(QString::fromStdString(loaded.error()));
}

void MainWindow::showAtRememberedPlace()
{
    resize(729, 513);
    if (const std::optional<StoredGeometry> g = m_settings.windowGeometry()) {
        const QRect place(g->left, g->top, g->width, g->height);
        // Only where a screen shows enough of it to take hold of: the screen
        // it was on may be gone.
        for (const QScreen* screen : QGuiApplication::screens()) {
            const QRect seen = screen->availableGeometry().intersected(place);
            if (seen.width() >= 100 && seen.height() >= 50) {
                setGeometry(place);
                break;
            }
        }
    }
    if (m_settings.windowMaximized())
        showMaximized();
    else
        show();
}

void MainWindow::restoreSettings()
{
    m_modePage->setSurname(qText(m_settings.surname()));
    m_modePage->setSexIndex(m_settings.sexIndex());
    m_modePage->setNameLengthIndex(m_settings.nameLengthIndex());
    m_combination->setCharacters(qText(m_settings.combinationCharacters()));
    m_english->setGivenName(qText(m_settings.englishName()));
    m_scoring->setTypedGivenName(qText(m_settings.scoringName()));
    m_records->restoreRecords(m_settings.records());
    m_showAllNames->setChecked(m_settings.showAllNames());
    // Where nothing (or something out of the lists) is remembered, the boxes stay at today.
    if (const std::optional<StoredMoment> date = m_settings.birthDate()) m_modePage->setBirthDate(birthDateOf(*date));
    if (const std::optional<StoredMoment> date = m_settings.chartDate()) m_chart->setOwnDate(birthDateOf(*date));
    m_chart->setUsesOwnDate(m_settings.chartUsesOwnDate());
    m_modePage->checkModeByCaption(qText(m_settings.mode()));
}

void MainWindow::saveSettings()
{
    m_settings.setSurname(stdText(m_modePage->surname()));
    m_settings.setSexIndex(m_modePage->sexIndex());
    m_settings.setNameLengthIndex(m_modePage->nameLengthIndex());
    m_settings.setCombinationCharacters(stdText(m_combination->characters()));
    m_settings.setEnglishName(stdText(m_english->givenName()));
    m_settings.setScoringName(stdText(m_scoring->typedGivenName()));
    m_settings.setRecords(m_records->records());
    // Written once it differs from the default, so older files stay as they were.
    if (m_showAllNames->isChecked() != m_settings.showAllNames())
        m_settings.setShowAllNames(m_showAllNames->isChecked());
    const QRect place = isMaximized() ? normalGeometry() : geometry();
    m_settings.setWindowGeometry({ place.x(), place.y(), place.width(), place.height() });
    m_settings.setWindowMaximized(isMaximized());
    m_settings.setSkin(m_skins.currentSkin());
    m_settings.setMode(stdText(m_modePage->checkedModeCaption()));
    if (const std::optional<StoredMoment> date = storedMomentOf(m_modePage->birthDate()))
        m_settings.setBirthDate(*date);
    if (const std::optional<StoredMoment> date = storedMomentOf(m_chart->ownDate())) m_settings.setChartDate(*date);
    m_settings.setChartUsesOwnDate(m_chart->usesOwnDate());
    const Result<void> saved = m_settings.save();
    // The last chance: a failure now loses this run's inputs and records, so
    // it is said even when an earlier failure was reported already.
    if (!saved)
        m_messages.warning(this,
            QStringLiteral("退出时仍无法保存设置和名字记录：%1").arg(QString::fromStdString(saved.error())),
            MessageService::hintTitle());
}

bool MainWindow::saveRecordList()
{
    if (!m_started || m_exited) return false;
    const Result<void> saved = m_settings.saveRecords(m_records->records());
    if (saved) return true;
    // Said once per run; the records stay in the list and are written again at the next change and at exit.
    if (!std::exchange(m_settingsFailureReported, true))
        m_messages.warning(this,
            QStringLiteral("名字记录暂时不能保存，退出时会再试一次：%1").arg(QString::fromStdString(saved.error())),
            MessageService::hintTitle());
    return false;
}

void MainWindow::runExitSequence()
{
    if (m_exited) return;
    m_exited = true;
    m_generation->stopRun();
    m_loader->join();
    m_db.close();
    // A window that never started has not read the file; saving would wipe it.
    if (m_started) saveSettings();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    runExitSequence();
    event->accept();
}

void MainWindow::onDatabaseLoaded(bool ok, const QString& error)
{
    if (ok || m_exited) return;
    m_databaseProblem = error;
    // A lasting sign in the status bar: the box below is read once and closed.
    m_databaseWarning = new QLabel(QStringLiteral("名字数据库未载入"), this);
    m_databaseWarning->setObjectName(QStringLiteral("状态条1_数据库"));
    m_databaseWarning->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    m_databaseWarning->setToolTip(error);
    m_ui->状态条1->addPermanentWidget(m_databaseWarning);
    m_messages.critical(this, error);
}

bool MainWindow::requireDatabase(const QString& action)
{
    if (databaseAvailable()) return true;
    m_messages.warning(this, QStringLiteral("无法%1：名字数据库没有载入。\n\n%2").arg(action, m_databaseProblem),
        MessageService::hintTitle());
    return false;
}

} // namespace jm::gui
