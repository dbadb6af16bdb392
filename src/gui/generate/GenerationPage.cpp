#include "generate/GenerationPage.h"

#include "generate/EmptyListReason.h"
#include "generate/GenerationCharacterDialog.h"
#include "generate/GenerationModes.h"
#include "generate/ModePage.h"
#include "generate/RequestCheck.h"
#include "generate/RunStatus.h"
#include "generate/WaitingWindow.h"
#include "generate/WorkerThread.h"
#include "shell/MainWindow.h"
#include "shell/MessageService.h"
#include "shell/NameListModel.h"

#include <QMetaObject>

#include <utility>
#include <variant>

namespace jm::gui {
namespace {

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

template <typename... F> struct Overloaded : F... {
    using F::operator()...;
};
template <typename... F> Overloaded(F...) -> Overloaded<F...>;

} // namespace

GenerationPage::GenerationPage(MainWindow& window, ModePage& modePage, NameDatabase& db, MessageService& messages)
    : QObject(&window)
    , m_window(window)
    , m_mode(modePage)
    , m_db(db)
    , m_messages(messages)
    , m_worker(std::make_unique<WorkerThread>(db))
{
    const QIcon rowIcon(QStringLiteral(":/icons/row.svg"));
    const QIcon cautionIcon(QStringLiteral(":/icons/row-caution.svg"));
    const auto nameList = [this, &rowIcon, &cautionIcon] {
        auto* model = new NameListModel(this);
        model->setRowIcon(rowIcon);
        model->setCautionIcon(cautionIcon);
        return model;
    };
    m_highScoreList = nameList();
    m_superLuckyList = nameList();
    m_poemNameList = nameList();
    m_combinationList = nameList();
    m_nicknameList = nameList();
    m_englishList = new NameListModel({ { QStringLiteral("编号"), 60 }, { QStringLiteral("英文名"), 100 },
                                          { QStringLiteral("中文读音"), 200 }, { QStringLiteral("相关含义"), 280 } },
        -1, this);
    m_englishList->setRowIcon(rowIcon);
}

GenerationPage::~GenerationPage()
{
    // The worker posts its reports to this object: it must be gone first.
    if (m_run) m_run->quiet = true;
    m_worker->stop();
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

void GenerationPage::setOptionReader(GenerationMode mode, std::function<void(GenerationRequest&)> reader)
{
    m_optionReaders[index(mode)] = std::move(reader);
}

void GenerationPage::setRunStatus(GenerationMode mode, RunStatus* status)
{
    m_runStatuses[index(mode)] = status;
    if (status) connect(status, &RunStatus::cancelClicked, this, &GenerationPage::cancelRun);
}

void GenerationPage::setInputCheck(GenerationMode mode, std::function<bool()> check)
{
    m_inputChecks[index(mode)] = std::move(check);
}

GenerationRequest GenerationPage::buildRequest() const
{
    return buildRequest(m_mode.checkedMode());
}

GenerationRequest GenerationPage::buildRequest(GenerationMode mode) const
{
    GenerationRequest request;
    request.mode = mode;
    request.surname = m_mode.surname().toStdString();
    request.sex = m_mode.sexText().toStdString();
    request.nameLength = m_mode.nameLength();
    request.generationCharacter = m_generationCharacter;
    request.showAllNames = m_showAllNames;
    if (const auto& reader = m_optionReaders[index(request.mode)]) reader(request);
    return request;
}

// ---- buttons ---------------------------------------------------------------

void GenerationPage::onStartButton()
{
    const QString surname = m_mode.surname();
    if (surname.isEmpty()) {
        m_messages.information(&m_window, QStringLiteral("请输入姓氏!"), MessageService::hintTitle());
        return;
    }
    const GenerationMode mode = m_mode.checkedMode();
    switch (mode) {
    case GenerationMode::Classic:
        startRun();
        break;
    case GenerationMode::Poem:
        m_window.showPage(MainWindow::PagePoem);
        Q_EMIT modePageOpened(mode);
        break;
    case GenerationMode::HighScore:
        if (surname != m_lastSurname || requestInputs() != m_lastInputs) {
            m_highScoreList->clear();
            Q_EMIT listRestarted(mode);
            m_lastSurname = surname;
            m_lastInputs = requestInputs();
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
        Q_EMIT englishPageOpened(surname);
        m_englishList->clear();
        m_window.showPage(MainWindow::PageEnglish);
        break;
    case GenerationMode::SuperLucky:
        if (surname != m_lastSurname || requestInputs() != m_lastInputs) {
            m_superLuckyList->clear();
            Q_EMIT listRestarted(mode);
            m_lastSurname = surname;
            m_lastInputs = requestInputs();
            m_window.showPage(MainWindow::PageSuperLucky);
            stopRun();
        } else {
            m_window.showPage(MainWindow::PageSuperLucky);
        }
        Q_EMIT modePageOpened(mode);
        break;
    }
}

void GenerationPage::startFromPage(GenerationMode mode)
{
    if (NameListModel* list = scoredList(mode)) list->clear();
    startRun(mode);
}

void GenerationPage::onEnglishButton()
{
    if (const auto& check = m_inputChecks[index(GenerationMode::English)]; check && !check()) return;
    m_englishList->clear();
    startRun();
}

void GenerationPage::setPaused(bool pause)
{
    if (pause) {
        if (isRunning()) m_worker->pause();
        m_window.setModePageReachable(true, m_window.isModePageMenuEnabled());
    } else {
        m_worker->resume();
        if (m_run) m_run->parked = false;
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
    m_mode.markGenerationCharacter(set);
}

// ---- runs ------------------------------------------------------------------

QString GenerationPage::requestInputs() const
{
    const GenerationCharacterSetting& g = m_generationCharacter;
    return QStringList { m_mode.surname(), m_mode.sexText(), QString::number(m_mode.nameLength()),
        QString::number(static_cast<int>(g.kind)), QString::fromStdString(g.fixedText()) }
        .join(QChar(0x1f));
}

void GenerationPage::startRun()
{
    startRun(m_mode.checkedMode());
}

void GenerationPage::startRun(GenerationMode mode)
{
    GenerationRequest request = buildRequest(mode);
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
    const auto how = std::exchange(m_startPaused, false) ? WorkerThread::Start::Paused : WorkerThread::Start::Running;
    if (!m_worker->start(std::move(request), run->sink, how)) return;
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

void GenerationPage::cancelRun()
{
    if (!isRunning()) return;
    m_run->cancelled = true;
    stopRun();
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
    if (!m_waiting) {
        m_waiting = new WaitingWindow(&m_window);
        connect(m_waiting, &WaitingWindow::cancelRequested, this, &GenerationPage::cancelRun);
    }
    m_waiting->showWaiting();
    m_window.setModePageReachable(false, false);
    // The run fills its list by row numbers: no header sorts it meanwhile.
    if (NameListModel* list = mode == GenerationMode::English ? m_englishList : scoredList(mode))
        list->setSortLocked(true);
    if (mode == GenerationMode::HighScore) m_window.showPage(MainWindow::PageHighScore);
    if (mode == GenerationMode::Classic) m_window.showPage(MainWindow::PageClassic);
    if (RunStatus* status = runStatus(mode)) status->begin();
    // The pages lock their buttons (and the classic page empties its box).
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
                run.names = e.names.get();
                list->showNames(std::move(e.names), static_cast<int>(e.rowCount));
            },
            [&](ev::Rows& e) {
                if (list && run.listPrepared && list->names() == run.names)
                    list->namesListed(static_cast<int>(e.firstRow), static_cast<int>(e.count));
            },
            [&](ev::EnglishRows& e) {
                // Rows of a run the window stopped would land in the
                // list the next run has just emptied.
                if (!run.quiet) Q_EMIT englishRowsListed(e.firstRow, e.rows);
            },
            [&](ev::Text& e) { Q_EMIT classicTextListed(QString::fromStdString(e.text)); },
            [&](ev::Progress& e) {
                if (m_waiting) m_waiting->setProgress(e.examined, e.total);
                if (RunStatus* status = runStatus(run.mode)) status->setProgress(e.examined, e.total);
            },
            [&](ev::FirstListed&) {
                closeWaitingWindow();
                Q_EMIT firstListed(run.mode);
            },
            [&](ev::Paused&) { run.parked = m_worker->isPaused(); },
            [&](ev::Finished& e) { finishRun(run, e.result); },
        },
        event);
}

void GenerationPage::finishRun(ActiveRun& run, GenerationResult& result)
{
    run.finished = true;
    m_worker->wait(); // the thread has nothing left to do but return
    // Said before the order moves into the list.
    const QString summary = summaryOf(run, result);
    if (NameListModel* list = scoredList(run.mode); list && run.listPrepared && list->names() == run.names) {
        // The final list: sorted and renumbered, or after a stop the names
        // listed so far; the empty rows go. The names are in the list
        // already: only their order comes with the end.
        list->finishNames(std::move(result.order));
    }
    // English rows still queued when the user cancelled: the run keeps them too.
    if (run.mode == GenerationMode::English && run.cancelled) Q_EMIT englishRowsListed(0, result.englishRows);
    if (NameListModel* list = run.mode == GenerationMode::English ? m_englishList : scoredList(run.mode))
        list->setSortLocked(false);
    closeWaitingWindow();
    m_window.setModePageReachable(true, true);
    if (RunStatus* status = runStatus(run.mode)) status->end(summary);
    // The pages unlock their buttons.
    Q_EMIT runFinished(run.mode, result.stopped);
}

QString GenerationPage::summaryOf(const ActiveRun& run, const GenerationResult& result)
{
    const bool english = run.mode == GenerationMode::English;
    const std::size_t listed = english ? result.englishRows.size() : result.rowCount();
    const QString noun = english ? QStringLiteral("英文名") : QStringLiteral("名字");
    if (result.stopped)
        return (run.cancelled ? QStringLiteral("已取消") : QStringLiteral("已中止"))
            + QStringLiteral("，保留已列出的 %1 个%2").arg(listed).arg(noun);
    if (run.mode == GenerationMode::Classic) return QStringLiteral("已生成");
    if (const std::string why = emptyListReason(result); !why.empty()) return QString::fromStdString(why);
    return QStringLiteral("共列出 %1 个%2").arg(listed).arg(noun);
}

void GenerationPage::closeWaitingWindow()
{
    if (m_waiting) m_waiting->hide();
}

} // namespace jm::gui
