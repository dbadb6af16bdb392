#include "shell/MainWindow.h"

#include "chart/ChartPage.h"
#include "content/ContentRouter.h"
#include "data/NameDatabase.h"
#include "generate/EnglishPage.h"
#include "generate/ExportActions.h"
#include "generate/GenerationPage.h"
#include "generate/PoemPage.h"
#include "generate/Pronunciation.h"
#include "generate/SuperLuckyPage.h"
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

#include <limits>

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace jm::gui {
namespace {

// The date the chart and scoring pages show when they are opened.
const QString kPageYear = QStringLiteral("2013");
// The naming panel's birth date when the window opens.
const QString kStartYear = QStringLiteral("2018");

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

    // Kept whole in the settings file: no box may cut what it restores.
    for (QLineEdit* box : { m_ui->编辑框_姓氏, m_ui->编辑框_组合的字, m_ui->编辑框_英文名字, m_ui->编辑框_评分名字 })
        box->setMaxLength(std::numeric_limits<int>::max());

    m_generation = new GenerationPage(*m_ui, *this, m_db, m_messages);
    m_scoring = new ScoringPage(*m_ui, *this, m_db, m_messages);
    m_chart = new ChartPage(*m_ui, *this, m_db, m_messages);
    m_content = new ContentRouter(*m_ui, *this, m_db, m_messages);
    // The mode pages after the generation page: they use its list models.
    m_poem = new PoemPage(*m_ui, m_db, m_messages, m_generation->poetList(), m_generation->poemList(), this);
    m_english = new EnglishPage(*m_ui, m_generation->englishList(), m_ui->状态条1, this);
    m_superLucky = new SuperLuckyPage(*m_ui, this);
    m_exports = new ExportActions(*m_ui, m_generation->highScoreList(), m_generation->superLuckyList(), this);
    m_exports->setMessages(&m_messages, this);
    connect(m_scoring, &ScoringPage::recordsChanged, this, &MainWindow::saveRecordList);
    connect(m_generation, &GenerationPage::recordRequested, m_scoring, &ScoringPage::recordName);
    connect(m_generation, &GenerationPage::nameActivated, m_content, &ContentRouter::showNameDetail);
    connect(m_scoring, &ScoringPage::nameActivated, m_content, &ContentRouter::showNameDetail);

    connectNavigation();
    connectGeneration();
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
    connect(ui.菜单项_更换皮肤, &QAction::triggered, this, [this] { m_skins.nextSkin(); });
    connect(ui.菜单项_关于软件, &QAction::triggered, this, &MainWindow::openAboutWindow);
}

void MainWindow::connectGeneration()
{
    GenerationPage& generation = *m_generation;
    generation.setOptionReader(GenerationMode::Poem, [this](GenerationRequest& r) { m_poem->fillRequest(r); });
    generation.setOptionReader(GenerationMode::English, [this](GenerationRequest& r) { m_english->fillRequest(r); });
    for (GenerationMode mode : { GenerationMode::SuperLucky, GenerationMode::Combination, GenerationMode::Nickname })
        generation.setOptionReader(mode, [this](GenerationRequest& r) { m_superLucky->fillRequest(r); });
    generation.setInputCheck(GenerationMode::English, [this] { return m_english->checkInputs(m_messages); });
    connect(&generation, &GenerationPage::englishRowsListed, m_english, &EnglishPage::showRows);
    connect(&generation, &GenerationPage::modePageOpened, this, [this](GenerationMode mode) {
        if (mode == GenerationMode::Poem) m_poem->openPage();
        if (mode == GenerationMode::SuperLucky) m_superLucky->applyMustHaveRule();
    });
    connect(&generation, &GenerationPage::runStarted, this, [this](GenerationMode mode) {
        if (mode == GenerationMode::Poem) m_poem->showNameList();
    });
}

void MainWindow::start(const std::filesystem::path& shippedDatabase)
{
    if (m_started) return;
    m_started = true;
    m_skins.applySkin(kStartSkin);
    show();
    m_skins.setSkinCounter(1);
    fillNamingDateBoxes();
    m_chart->runBirthChart();
    m_generation->setLastSurname(m_ui->编辑框_姓氏->text());
    m_generation->showModeHint(m_ui->单选框_经典起名);
    loadSettings();
    m_generation->resetGenerationCharacter();

    m_dataDirectory = ensureDataDirectory();
    if (!m_dataDirectory)
        warnLater(QStringLiteral("无法写入数据目录 %1，名字报告和导出的名单将不能保存。")
                      .arg(QString::fromStdString(displayPath(jm::dataDirectory()))));
    m_loader->start(shippedDatabase);
}

void MainWindow::fillNamingDateBoxes()
{
    refillComboBox(m_ui->组合框_年份, yearItems(), kStartYear);
    refillComboBox(m_ui->组合框_月份, monthItems(), QStringLiteral("1"));
    refillComboBox(m_ui->组合框_日子, dayItems(), QStringLiteral("1"));
    refillComboBox(m_ui->组合框_时间, hourItems(), QStringLiteral("0"));
    refillComboBox(m_ui->组合框_分钟, minuteItems(), QStringLiteral("0"));
    // The chart and scoring pages get their lists now as well, so that they
    // are usable when reached through their tabs rather than the tool bar.
    prepareChartPage();
    prepareScoringPage();
}

void MainWindow::prepareChartPage()
{
    m_ui->透明标签_起名日期->setText(m_ui->组合框_年份->currentText() + QStringLiteral("年")
        + m_ui->组合框_月份->currentText() + QStringLiteral("月") + m_ui->组合框_日子->currentText()
        + QStringLiteral("日") + m_ui->组合框_时间->currentText() + QStringLiteral("时"));
    refillComboBox(m_ui->组合框_八字年份, yearItems(), kPageYear);
    refillComboBox(m_ui->组合框_八字月份, monthItems(), {});
    refillComboBox(m_ui->组合框_八字日子, dayItems(), {});
    refillComboBox(m_ui->组合框_八字时间, hourItems(), {});
}

void MainWindow::prepareScoringPage()
{
    m_ui->编辑框_评分姓氏->setText(m_ui->编辑框_姓氏->text());
    refillComboBox(m_ui->组合框_评分年份, yearItems(), kPageYear);
    refillComboBox(m_ui->组合框_评分月份, monthItems(), {});
    refillComboBox(m_ui->组合框_评分日子, dayItems(), {});
    refillComboBox(m_ui->组合框_评分时间, hourItems(), {});
    refillComboBox(m_ui->组合框_评分分钟, minuteItems(), {});
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

void MainWindow::loadSettings()
{
    m_settings = Settings(configPath());
    if (const Result<void> locked = m_settings.lock(); !locked) warnLater(QString::fromStdString(locked.error()));
    if (const Result<void> loaded = m_settings.load(); !loaded) warnLater(QString::fromStdString(loaded.error()));
    m_ui->编辑框_姓氏->setText(qText(m_settings.surname()));
    m_ui->组合框_性别->setCurrentIndex(m_settings.sexIndex());
    m_ui->组合框_名字个数->setCurrentIndex(m_settings.nameLengthIndex());
    m_ui->编辑框_组合的字->setText(qText(m_settings.combinationCharacters()));
    m_ui->编辑框_英文名字->setText(qText(m_settings.englishName()));
    m_ui->编辑框_评分名字->setText(qText(m_settings.scoringName()));
    m_scoring->restoreRecords(m_settings.records());
}

void MainWindow::saveSettings()
{
    m_settings.setSurname(stdText(m_ui->编辑框_姓氏->text()));
    m_settings.setSexIndex(m_ui->组合框_性别->currentIndex());
    m_settings.setNameLengthIndex(m_ui->组合框_名字个数->currentIndex());
    m_settings.setCombinationCharacters(stdText(m_ui->编辑框_组合的字->text()));
    m_settings.setEnglishName(stdText(m_ui->编辑框_英文名字->text()));
    m_settings.setScoringName(stdText(m_ui->编辑框_评分名字->text()));
    m_settings.setRecords(m_scoring->records());
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
    const Result<void> saved = m_settings.saveRecords(m_scoring->records());
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
    if (!ok && !m_exited) m_messages.critical(this, error);
}

} // namespace jm::gui
