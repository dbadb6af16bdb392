#include "generate/GenerationPage.h"

#include "generate/GenerationCharacterDialog.h"
#include "generate/GenerationModes.h"
#include "generate/RequestCheck.h"
#include "generate/WaitingWindow.h"
#include "generate/WorkerThread.h"
#include "shell/MainWindow.h"
#include "shell/MessageService.h"
#include "shell/NameListModel.h"
#include "ui_MainWindow.h"

#include <QMetaObject>

#include <utility>
#include <variant>

namespace jm::gui {
namespace {

const QString kPause = QStringLiteral("暂停");
const QString kResume = QStringLiteral("继续");

/// The high-score and super-lucky modes list up to a capacity: their
/// waiting window closes with the first listed name, and they can be paused.
bool hasCapacity(GenerationMode mode)
{
    return mode == GenerationMode::HighScore || mode == GenerationMode::SuperLucky;
}

MessageService::Icon iconOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return MessageService::Icon::Information;
    case MessageIcon::Warning:
        return MessageService::Icon::Warning;
    case MessageIcon::None:
        break;
    }
    return MessageService::Icon::None;
}

std::vector<ListRow> toListRows(std::vector<NameRow> rows)
{
    std::vector<ListRow> out;
    out.reserve(rows.size());
    for (NameRow& row : rows) {
        ListRow r;
        r.cells.reserve(static_cast<qsizetype>(NameRow::kColumnCount));
        for (std::string& cell : row.columns)
            r.cells << QString::fromStdString(cell);
        r.sortKey = row.sortKey;
        out.push_back(std::move(r));
    }
    return out;
}

template <typename... F> struct Overloaded : F... {
    using F::operator()...;
};
template <typename... F> Overloaded(F...) -> Overloaded<F...>;

} // namespace

GenerationPage::GenerationPage(Ui::MainWindow& ui, MainWindow& window, NameDatabase& db, MessageService& messages)
    : QObject(&window)
    , m_ui(ui)
    , m_window(window)
    , m_db(db)
    , m_messages(messages)
    , m_worker(std::make_unique<WorkerThread>(db))
{
    const QIcon rowIcon(QStringLiteral(":/icons/row.svg"));
    const auto nameList = [this, &rowIcon](QTreeView* view) {
        auto* model = new NameListModel(this);
        model->setRowIcon(rowIcon);
        model->attachTo(view);
        return model;
    };
    m_highScoreList = nameList(ui.超级列表框_高分起名);
    m_superLuckyList = nameList(ui.超级列表框_超吉起名);
    m_poemNameList = nameList(ui.超级列表框_诗名列表);
    m_combinationList = nameList(ui.超级列表框_组合列表);
    m_nicknameList = nameList(ui.超级列表框_小名列表);
    const auto otherList = [this, &rowIcon](QTreeView* view, QList<NameListModel::Column> columns) {
        auto* model = new NameListModel(std::move(columns), -1, this);
        model->setRowIcon(rowIcon);
        model->attachTo(view);
        return model;
    };
    m_englishList = otherList(ui.超级列表框_英文列表,
        { { QStringLiteral("编号"), 60 }, { QStringLiteral("英文名"), 100 }, { QStringLiteral("中文读音"), 200 },
            { QStringLiteral("相关含义"), 280 } });
    m_poetList = otherList(ui.超级列表框_诗人列表, { { QStringLiteral("编号"), 50 }, { QStringLiteral("诗人"), 80 } });
    m_poemList
        = otherList(ui.超级列表框_诗词残, { { QStringLiteral("编号"), 50 }, { QStringLiteral("诗词标题"), 160 } });

    // Hint images 0 to 6 of the status bar belong to the seven modes.
    m_hints = {
        { ui.单选框_高分起名, 1, QStringLiteral("1-20秒内生成10000个90分以上的高分姓名") },
        { ui.单选框_超吉起名, 6, QStringLiteral("系统将在1000万个名字中提取超吉名字,起名时间较长,并且不考虑单字名") },
        { ui.单选框_诗词起名, 2, QStringLiteral("使用近3000位诗人的数十万诗词进行组合起名") },
        { ui.单选框_组合起名, 3, QStringLiteral("使用您自定义的字进行组合起名") },
        { ui.单选框_起小名, 4, QStringLiteral("小名即为乳名,以好听为主,侧重好记好听顺口,评分不用考虑") },
        { ui.单选框_起英文名, 5, QStringLiteral("有了中文名之后,还应该给宝宝起个英文名字,向国际化接轨") },
        { ui.单选框_经典起名, 0, QStringLiteral("高速生成,以好听为主,不考虑名字的五行数理等因素") },
    };
    for (const ModeHint& hint : m_hints)
        connect(hint.option, &QRadioButton::clicked, this, [this, option = hint.option] { showModeHint(option); });

    connectButtons();
}

GenerationPage::~GenerationPage()
{
    // The worker posts its reports to this object: it must be gone first.
    if (m_run) m_run->quiet = true;
    m_worker->stop();
}

void GenerationPage::connectButtons()
{
    Ui::MainWindow& ui = m_ui;
    connect(ui.按钮_起名, &QPushButton::clicked, this, &GenerationPage::onStartButton);
    const std::pair<QPushButton*, NameListModel*> pageButtons[] = {
        { ui.按钮_再生成一次, m_highScoreList }, { ui.按钮_超吉生成, m_superLuckyList },
        { ui.按钮_诗词起名, m_poemNameList }, { ui.按钮_组合起名, m_combinationList },
        { ui.按钮_起小名, m_nicknameList },
        { ui.按钮_经典生成, nullptr }, // the classic run empties its text box itself
    };
    for (const auto& [button, list] : pageButtons)
        connect(button, &QPushButton::clicked, this, [this, list = list] { startFromPage(list); });
    connect(ui.按钮_英文起名, &QPushButton::clicked, this, &GenerationPage::onEnglishButton);
    connect(
        ui.按钮_高分暂停, &QPushButton::clicked, this, [this] { togglePause(m_ui.按钮_高分暂停, m_ui.按钮_高分导出); });
    connect(
        ui.按钮_超吉暂停, &QPushButton::clicked, this, [this] { togglePause(m_ui.按钮_超吉暂停, m_ui.按钮_超吉导出); });
    connect(ui.标签_设置辈份, &QLabel::linkActivated, this, [this] { openGenerationCharacterDialog(); });

    const std::pair<QTreeView*, GenerationMode> lists[] = {
        { ui.超级列表框_高分起名, GenerationMode::HighScore },
        { ui.超级列表框_超吉起名, GenerationMode::SuperLucky },
        { ui.超级列表框_诗名列表, GenerationMode::Poem },
        { ui.超级列表框_组合列表, GenerationMode::Combination },
        { ui.超级列表框_小名列表, GenerationMode::Nickname },
    };
    for (const auto& [view, mode] : lists)
        connect(view, &QTreeView::doubleClicked, this,
            [this, mode = mode](const QModelIndex& index) { activateName(mode, index); });
}

NameListModel* GenerationPage::scoredList(GenerationMode mode)
{
    switch (mode) {
    case GenerationMode::HighScore:
        return m_highScoreList;
    case GenerationMode::SuperLucky:
        return m_superLuckyList;
    case GenerationMode::Poem:
        return m_poemNameList;
    case GenerationMode::Combination:
        return m_combinationList;
    case GenerationMode::Nickname:
        return m_nicknameList;
    case GenerationMode::English:
    case GenerationMode::Classic:
        break;
    }
    return nullptr;
}

void GenerationPage::showModeHint(const QRadioButton* option)
{
    for (const ModeHint& hint : m_hints)
        if (hint.option == option) m_window.setStatusHint(hint.image, hint.text);
}

GenerationMode GenerationPage::checkedMode() const
{
    const std::pair<const QRadioButton*, GenerationMode> options[] = {
        { m_ui.单选框_高分起名, GenerationMode::HighScore },
        { m_ui.单选框_超吉起名, GenerationMode::SuperLucky },
        { m_ui.单选框_诗词起名, GenerationMode::Poem },
        { m_ui.单选框_组合起名, GenerationMode::Combination },
        { m_ui.单选框_起小名, GenerationMode::Nickname },
        { m_ui.单选框_起英文名, GenerationMode::English },
    };
    for (const auto& [option, mode] : options)
        if (option->isChecked()) return mode;
    return GenerationMode::Classic;
}

void GenerationPage::setOptionReader(GenerationMode mode, std::function<void(GenerationRequest&)> reader)
{
    m_optionReaders[index(mode)] = std::move(reader);
}

void GenerationPage::setInputCheck(GenerationMode mode, std::function<bool()> check)
{
    m_inputChecks[index(mode)] = std::move(check);
}

GenerationRequest GenerationPage::buildRequest() const
{
    GenerationRequest request;
    request.mode = checkedMode();
    request.surname = m_ui.编辑框_姓氏->text().toStdString();
    request.sex = m_ui.组合框_性别->currentText().toStdString();
    request.nameLength = m_ui.组合框_名字个数->currentText() == QStringLiteral("二字") ? 2 : 1;
    request.generationCharacter = m_generationCharacter;
    if (const auto& reader = m_optionReaders[index(request.mode)]) reader(request);
    return request;
}

// ---- buttons ---------------------------------------------------------------

void GenerationPage::onStartButton()
{
    const QString surname = m_ui.编辑框_姓氏->text();
    if (surname.isEmpty()) {
        m_messages.information(&m_window, QStringLiteral("请输入姓氏!"), MessageService::hintTitle());
        return;
    }
    const GenerationMode mode = checkedMode();
    switch (mode) {
    case GenerationMode::Classic:
        startRun();
        break;
    case GenerationMode::Poem:
        m_window.showPage(MainWindow::PagePoem);
        Q_EMIT modePageOpened(mode);
        break;
    case GenerationMode::HighScore:
        if (surname != m_lastSurname) {
            m_highScoreList->clear();
            m_ui.按钮_高分暂停->setText(kPause);
            m_ui.按钮_再生成一次->setEnabled(true);
            m_lastSurname = surname;
            stopRun();
            m_window.showPage(MainWindow::PageHighScore);
            startRun();
        } else {
            m_window.showPage(MainWindow::PageHighScore);
        }
        break;
    case GenerationMode::Combination:
        m_combinationList->clear();
        m_window.showPage(MainWindow::PageCombination);
        break;
    case GenerationMode::Nickname:
        m_nicknameList->clear();
        m_window.showPage(MainWindow::PageNickname);
        break;
    case GenerationMode::English:
        m_ui.编辑框_英文姓氏->setText(surname);
        m_englishList->clear();
        m_window.showPage(MainWindow::PageEnglish);
        break;
    case GenerationMode::SuperLucky:
        if (surname != m_lastSurname) {
            m_superLuckyList->clear();
            m_ui.按钮_超吉暂停->setText(kPause);
            m_ui.按钮_超吉生成->setEnabled(true);
            m_lastSurname = surname;
            m_window.showPage(MainWindow::PageSuperLucky);
            stopRun();
        } else {
            m_window.showPage(MainWindow::PageSuperLucky);
        }
        Q_EMIT modePageOpened(mode);
        break;
    }
}

void GenerationPage::startFromPage(NameListModel* listToClear)
{
    if (listToClear) listToClear->clear();
    startRun();
}

void GenerationPage::onEnglishButton()
{
    if (const auto& check = m_inputChecks[index(GenerationMode::English)]; check && !check()) return;
    m_englishList->clear();
    startRun();
}

void GenerationPage::togglePause(QPushButton* button, QPushButton* exportButton)
{
    if (button->text() == kPause) {
        if (isRunning()) m_worker->pause();
        setModePageReachable(true, m_ui.菜单项_模式选择->isEnabled());
        exportButton->setEnabled(true);
        button->setText(kResume);
    } else {
        m_worker->resume();
        if (m_run) m_run->parked = false;
        button->setText(kPause);
        exportButton->setEnabled(false);
    }
}

void GenerationPage::activateName(GenerationMode mode, const QModelIndex& index)
{
    const NameListModel* list = scoredList(mode);
    if (!list || !index.isValid() || index.row() >= list->rowCount()) return;
    const ListRow& row = list->row(index.row());
    const QString& name = row.cells[1];
    if (name.isEmpty()) return; // an empty row of a list being filled
    const QString surname = m_listSurnames[this->index(mode)];
    const QString given = name.startsWith(surname) ? name.mid(surname.size()) : name;
    Q_EMIT nameActivated(surname, given);
    Q_EMIT recordRequested(surname, given, row);
}

// ---- generation character --------------------------------------------------

GenerationCharacterDialog* GenerationPage::openGenerationCharacterDialog()
{
    auto* dialog = new GenerationCharacterDialog(m_generationCharacter, m_messages, &m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &GenerationCharacterDialog::settingChosen, this, &GenerationPage::setGenerationCharacter);
    connect(dialog, &GenerationCharacterDialog::cancelled, this, [this] { m_generationCharacter = {}; });
    dialog->open();
    return dialog;
}

void GenerationPage::setGenerationCharacter(const GenerationCharacterSetting& setting)
{
    m_generationCharacter = setting;
    const bool set = setting.kind != GenerationCharacterSetting::Kind::None;
    // The label is a link; its colour has to be given on the anchor itself.
    m_ui.标签_设置辈份->setText(QStringLiteral("<a href=\"辈份\" style=\"color:%1;\">辈份</a>")
                                    .arg(set ? QStringLiteral("#ff0000") : QStringLiteral("#606060")));
}

// ---- runs ------------------------------------------------------------------

void GenerationPage::startRun()
{
    GenerationRequest request = buildRequest();
    const GenerationMode mode = request.mode;
    if (!modeFunction(mode)) return; // the engine cannot perform this mode yet
    // The same check as the command line's: an unknown character never forms a name.
    if (const Result<void> checked = checkGenerationRequest(m_db, request); !checked) {
        m_messages.plain(&m_window, QString::fromStdString(checked.error()), MessageService::hintTitle());
        return;
    }
    stopRun();

    auto run = std::make_shared<ActiveRun>();
    run->mode = mode;
    // Called on the worker thread when the queue turns non-empty: post one
    // call to take the reports in on the window thread.
    run->sink = std::make_shared<QueuedGenerationSink>(
        [this] { QMetaObject::invokeMethod(this, &GenerationPage::takeEvents, Qt::QueuedConnection); });
    const QString surname = QString::fromStdString(request.surname);
    if (!m_worker->start(std::move(request), run->sink)) return;
    m_run = std::move(run);
    m_listSurnames[index(mode)] = surname;
    beginRun(mode);
}

bool GenerationPage::isRunning() const
{
    return m_run && !m_run->finished;
}

bool GenerationPage::isPaused() const
{
    return isRunning() && m_run->parked;
}

void GenerationPage::stopRun()
{
    const std::shared_ptr<ActiveRun> run = m_run;
    if (!run || run->finished) {
        m_worker->stop();
        return;
    }
    run->quiet = true;
    m_worker->stop();
    // Take the end in now, also when a message box of this run is open and
    // its loop is still busy with earlier reports.
    while (!run->finished) {
        std::vector<GenerationEvent> events = run->sink->drain();
        if (events.empty()) break;
        for (GenerationEvent& event : events)
            if (!run->finished) dispatch(*run, event);
    }
}

void GenerationPage::takeEvents()
{
    // A message box shown for an earlier report runs its own event loop;
    // the call that opened it takes the newer reports in once it is closed.
    if (m_dispatching) {
        m_takeAgain = true;
        return;
    }
    const std::shared_ptr<ActiveRun> run = m_run;
    if (!run || run->finished) return;
    m_dispatching = true;
    // One batch per call: the sink posts a new call when it fills again, so
    // a fast run cannot keep the window's event loop from its other work.
    do {
        m_takeAgain = false;
        std::vector<GenerationEvent> events = run->sink->drain();
        for (GenerationEvent& event : events)
            if (!run->finished) dispatch(*run, event);
    } while (m_takeAgain && !run->finished);
    m_dispatching = false;
    // Reports of a newer run that came in while this one was being ended.
    if (std::exchange(m_takeAgain, false))
        QMetaObject::invokeMethod(this, &GenerationPage::takeEvents, Qt::QueuedConnection);
}

WaitingWindow* GenerationPage::waitingWindow() const
{
    return m_waiting && m_waiting->isVisible() ? m_waiting.data() : nullptr;
}

void GenerationPage::beginRun(GenerationMode mode)
{
    if (!m_waiting) m_waiting = new WaitingWindow(&m_window);
    m_waiting->showWaiting();
    setModePageReachable(false, false);
    // A new run is never paused, whatever the captions said before.
    m_ui.按钮_高分暂停->setText(kPause);
    m_ui.按钮_超吉暂停->setText(kPause);
    switch (mode) {
    case GenerationMode::HighScore:
        m_ui.按钮_高分暂停->setEnabled(false);
        m_ui.按钮_再生成一次->setEnabled(false);
        m_ui.按钮_高分导出->setEnabled(false);
        m_window.showPage(MainWindow::PageHighScore);
        break;
    case GenerationMode::SuperLucky:
        m_ui.按钮_超吉生成->setEnabled(false);
        m_ui.按钮_超吉暂停->setEnabled(false);
        m_ui.按钮_超吉导出->setEnabled(false);
        break;
    case GenerationMode::Nickname:
        m_ui.按钮_起小名->setEnabled(false);
        break;
    case GenerationMode::Classic:
        m_window.showPage(MainWindow::PageClassic);
        m_ui.编辑框_经典名字->clear();
        break;
    default:
        break;
    }
    Q_EMIT runStarted(mode);
}

void GenerationPage::dispatch(ActiveRun& run, GenerationEvent& event)
{
    namespace ev = generation_event;
    NameListModel* list = scoredList(run.mode);
    std::visit(
        Overloaded {
            [](ev::Started&) {},
            [&](ev::PhaseChanged& e) {
                if (e.phase == GenerationPhase::Listing && !hasCapacity(run.mode)) closeWaitingWindow();
            },
            [&](ev::Message& e) {
                if (run.quiet) return;
                m_messages.show(&m_window, iconOf(e.message.icon), QString::fromStdString(e.message.text),
                    e.message.title.empty() ? MessageService::defaultTitle() : QString::fromStdString(e.message.title));
            },
            [&](ev::ListPrepared& e) {
                if (!list) return;
                // The list shows its empty rows below the names until the end.
                run.listPrepared = true;
                list->clear();
                list->appendEmptyRows(static_cast<int>(e.rowCount));
            },
            [&](ev::Rows& e) {
                if (list) list->setRows(static_cast<int>(e.firstRow), toListRows(std::move(e.rows)));
            },
            [&](ev::EnglishRows& e) {
                // Rows of a run the window stopped would land in the
                // list the next run has just emptied.
                if (!run.quiet) Q_EMIT englishRowsListed(e.firstRow, e.rows);
            },
            [&](ev::Text& e) {
                // The box keeps its lines apart by "\n" alone.
                QString text = QString::fromStdString(e.text);
                text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
                m_ui.编辑框_经典名字->setPlainText(text);
            },
            [&](ev::Progress& e) {
                if (m_waiting) m_waiting->setProgress(e.examined, e.total);
            },
            [&](ev::FirstListed&) {
                closeWaitingWindow();
                if (run.mode == GenerationMode::HighScore) m_ui.按钮_高分暂停->setEnabled(true);
                if (run.mode == GenerationMode::SuperLucky) m_ui.按钮_超吉暂停->setEnabled(true);
            },
            [&](ev::Paused&) { run.parked = m_worker->isPaused(); },
            [&](ev::Finished& e) { finishRun(run, e.result); },
        },
        event);
}

void GenerationPage::finishRun(ActiveRun& run, const GenerationResult& result)
{
    run.finished = true;
    m_worker->wait(); // the thread has nothing left to do but return
    if (NameListModel* list = scoredList(run.mode); list && run.listPrepared) {
        // The final list: sorted and renumbered, or after a stop the names
        // listed so far; the empty rows go.
        list->clear();
        list->appendRows(toListRows(result.rows));
    }
    closeWaitingWindow();
    setModePageReachable(true, true);
    m_ui.按钮_起小名->setEnabled(true);
    m_ui.按钮_高分导出->setEnabled(true);
    if (run.mode == GenerationMode::HighScore) m_ui.按钮_再生成一次->setEnabled(true);
    if (run.mode == GenerationMode::SuperLucky) {
        m_ui.按钮_超吉生成->setEnabled(true);
        m_ui.按钮_超吉导出->setEnabled(true);
    }
    Q_EMIT runFinished(run.mode, result.stopped);
}

void GenerationPage::setModePageReachable(bool toolbar, bool menu)
{
    if (QAction* first = m_ui.工具条1->actions().value(0)) first->setEnabled(toolbar);
    m_ui.菜单项_模式选择->setEnabled(menu);
}

void GenerationPage::closeWaitingWindow()
{
    if (m_waiting) m_waiting->hide();
}

} // namespace jm::gui
