#include "data/Bootstrap.h"
#include "generate/NameList.h"
#include "generate/QueuedGenerationSink.h"
#include "generate/WorkerThread.h"
#include "support/ListFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

using namespace jm;
using namespace std::chrono_literals;
using jm::test::TempDir;
namespace ev = jm::generation_event;

namespace {

std::size_t threadCount()
{
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/task"))
        ++n;
    return n;
}

GenerationRequest request(std::uint64_t seed = 42)
{
    GenerationRequest r;
    r.mode = GenerationMode::HighScore;
    r.surname = "张";
    r.sex = "男";
    r.nameLength = 2;
    r.seed = seed;
    return r;
}

/// A thread-safe recorder that can pause the worker at its first listed
/// name and slow its progress reports, to catch a run in the middle.
class ScriptedSink : public GenerationSink {
public:
    explicit ScriptedSink(WorkerThread* pauseAtFirst = nullptr, std::chrono::milliseconds progressDelay = 0ms)
        : m_pauseAtFirst(pauseAtFirst)
        , m_delay(progressDelay)
    {
    }
    void onEvent(GenerationEvent& event) override
    {
        namespace ev = generation_event;
        if (std::holds_alternative<ev::Started>(event)) log("started");
        if (const auto* e = std::get_if<ev::Rows>(&event)) {
            std::lock_guard lock(m_mutex);
            m_streamed += e->count;
        }
        if (const auto* e = std::get_if<ev::Progress>(&event)) {
            {
                std::lock_guard lock(m_mutex);
                m_examined = e->examined;
            }
            m_changed.notify_all();
            if (m_delay > 0ms) std::this_thread::sleep_for(m_delay);
        }
        if (std::holds_alternative<ev::FirstListed>(event) && m_pauseAtFirst) m_pauseAtFirst->pause();
        if (std::holds_alternative<ev::Paused>(event)) log("paused");
        if (auto* e = std::get_if<ev::Finished>(&event)) {
            {
                std::lock_guard lock(m_mutex);
                m_result = e->result;
            }
            log("finished");
        }
    }

    bool waitFor(const std::string& entry, std::chrono::milliseconds timeout = 10s)
    {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(
            lock, timeout, [&] { return std::find(m_log.begin(), m_log.end(), entry) != m_log.end(); });
    }
    bool waitForExamined(std::size_t n)
    {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, 10s, [&] { return m_examined >= n; });
    }
    std::vector<std::string> logged()
    {
        std::lock_guard lock(m_mutex);
        return m_log;
    }
    std::size_t streamed()
    {
        std::lock_guard lock(m_mutex);
        return m_streamed;
    }
    GenerationResult result()
    {
        std::lock_guard lock(m_mutex);
        return m_result;
    }
    void setLog(std::shared_ptr<std::vector<std::string>> shared, std::string label)
    {
        m_shared = std::move(shared);
        m_label = std::move(label);
    }
    static std::mutex s_sharedMutex;

private:
    void log(const std::string& entry)
    {
        {
            std::lock_guard lock(m_mutex);
            m_log.push_back(entry);
        }
        if (m_shared) {
            std::lock_guard lock(s_sharedMutex);
            m_shared->push_back(m_label + " " + entry);
        }
        m_changed.notify_all();
    }

    WorkerThread* m_pauseAtFirst;
    std::chrono::milliseconds m_delay;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::string> m_log;
    std::size_t m_streamed = 0;
    std::size_t m_examined = 0;
    GenerationResult m_result;
    std::shared_ptr<std::vector<std::string>> m_shared;
    std::string m_label;
};
std::mutex ScriptedSink::s_sharedMutex;

class GenerationThreads : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new TempDir;
        s_db = new NameDatabase;
        ASSERT_TRUE(bootstrapDatabase(*s_db, jm::test::listFixture().write(s_dir->path() / "f.db").string()).ok());
        // The reference: the same request run start to end without interruption.
        WorkerThread worker(*s_db);
        auto sink = std::make_shared<ScriptedSink>();
        ASSERT_TRUE(worker.start(request(), sink));
        worker.wait();
        s_reference = new GenerationResult(sink->result());
        ASSERT_GT(s_reference->rows().size(), 100u);
    }
    static void TearDownTestSuite()
    {
        delete s_reference;
        delete s_db;
        delete s_dir;
    }

    /// A list a stopped run leaves: numbered 1..n in listing order, every
    /// row a listed name of the uninterrupted run.
    static void expectConsistentPartialList(const GenerationResult& result)
    {
        std::set<std::string> reference;
        for (const auto& row : s_reference->rows())
            reference.insert(row[NameRow::Name]);
        for (std::size_t r = 0; r < result.rowCount(); ++r) {
            ASSERT_EQ(result.row(r)[NameRow::Number], std::to_string(r + 1));
            ASSERT_TRUE(reference.count(result.row(r)[NameRow::Name])) << result.row(r)[NameRow::Name];
        }
    }

    static TempDir* s_dir;
    static NameDatabase* s_db;
    static GenerationResult* s_reference;
};
TempDir* GenerationThreads::s_dir = nullptr;
NameDatabase* GenerationThreads::s_db = nullptr;
GenerationResult* GenerationThreads::s_reference = nullptr;

std::vector<std::array<std::string, 8>> columnsOf(const GenerationResult& r)
{
    std::vector<std::array<std::string, 8>> out;
    for (const auto& row : r.rows())
        out.push_back(row.columns);
    return out;
}

} // namespace

TEST_F(GenerationThreads, PauseThenResumeCompletesTheSameList)
{
    const std::size_t threadsBefore = threadCount();
    WorkerThread worker(*s_db);
    auto sink = std::make_shared<ScriptedSink>(&worker);
    ASSERT_TRUE(worker.start(request(), sink));
    ASSERT_TRUE(sink->waitFor("paused"));
    EXPECT_TRUE(worker.isRunning());
    EXPECT_TRUE(worker.isPaused());
    const std::size_t atPause = sink->streamed();
    EXPECT_GE(atPause, 1u) << "rows listed before the pause are delivered before parking";
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(sink->streamed(), atPause) << "a paused run lists nothing";
    worker.resume();
    worker.wait();
    EXPECT_FALSE(worker.isRunning());
    const GenerationResult result = sink->result();
    EXPECT_FALSE(result.stopped);
    EXPECT_EQ(columnsOf(result), columnsOf(*s_reference));
    EXPECT_EQ(threadCount(), threadsBefore);
}

TEST_F(GenerationThreads, StartedPausedParksBeforeTheFirstNameThenCompletes)
{
    WorkerThread worker(*s_db);
    auto sink = std::make_shared<ScriptedSink>();
    ASSERT_TRUE(worker.start(request(), sink, WorkerThread::Start::Paused));
    ASSERT_TRUE(sink->waitFor("paused"));
    EXPECT_TRUE(worker.isRunning());
    EXPECT_TRUE(worker.isPaused());
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(sink->streamed(), 0u) << "nothing is listed before the first check";
    worker.resume();
    worker.wait();
    EXPECT_FALSE(sink->result().stopped);
    EXPECT_EQ(columnsOf(sink->result()), columnsOf(*s_reference));

    // The next start runs at once again.
    auto next = std::make_shared<ScriptedSink>();
    ASSERT_TRUE(worker.start(request(), next));
    worker.wait();
    const std::vector<std::string> log = next->logged();
    EXPECT_EQ(std::count(log.begin(), log.end(), "paused"), 0);
}

TEST_F(GenerationThreads, StopWhilePausedEndsAtOnceWithAConsistentList)
{
    const std::size_t threadsBefore = threadCount();
    WorkerThread worker(*s_db);
    auto sink = std::make_shared<ScriptedSink>(&worker);
    ASSERT_TRUE(worker.start(request(), sink));
    ASSERT_TRUE(sink->waitFor("paused"));
    const auto t0 = std::chrono::steady_clock::now();
    worker.stop();
    EXPECT_LT(std::chrono::steady_clock::now() - t0, 200ms);
    EXPECT_FALSE(worker.isRunning());
    EXPECT_EQ(threadCount(), threadsBefore) << "no thread is left behind";
    const GenerationResult result = sink->result();
    EXPECT_TRUE(result.stopped);
    EXPECT_FALSE(result.rows().empty());
    EXPECT_LT(result.rowCount(), s_reference->rows().size());
    EXPECT_EQ(result.rowCount(), sink->streamed());
    expectConsistentPartialList(result);
    EXPECT_EQ(sink->logged().back(), "finished");
}

TEST_F(GenerationThreads, StopInTheMiddleOfScoringIsHonouredQuickly)
{
    // Each progress report (every 4096 candidates) takes 20 ms, so the run
    // would last about a second; a stop must cut it short within one report.
    WorkerThread worker(*s_db);
    auto sink = std::make_shared<ScriptedSink>(nullptr, 20ms);
    ASSERT_TRUE(worker.start(request(), sink));
    ASSERT_TRUE(sink->waitForExamined(4096));
    const auto t0 = std::chrono::steady_clock::now();
    worker.stop();
    EXPECT_LT(std::chrono::steady_clock::now() - t0, 150ms);
    const GenerationResult result = sink->result();
    EXPECT_TRUE(result.stopped);
    EXPECT_LT(result.examinedCount, result.candidateCount);
    expectConsistentPartialList(result);
}

TEST_F(GenerationThreads, StartingASecondRunStopsTheFirst)
{
    auto log = std::make_shared<std::vector<std::string>>();
    WorkerThread worker(*s_db);
    auto first = std::make_shared<ScriptedSink>(&worker);
    first->setLog(log, "first");
    ASSERT_TRUE(worker.start(request(7), first));
    ASSERT_TRUE(first->waitFor("paused"));
    auto second = std::make_shared<ScriptedSink>();
    second->setLog(log, "second");
    ASSERT_TRUE(worker.start(request(), second));
    worker.wait();
    EXPECT_EQ(*log,
        (std::vector<std::string> {
            "first started", "first paused", "first finished", "second started", "second finished" }));
    EXPECT_TRUE(first->result().stopped);
    EXPECT_FALSE(second->result().stopped);
    EXPECT_EQ(columnsOf(second->result()), columnsOf(*s_reference)) << "the new run starts from scratch";
}

TEST_F(GenerationThreads, DestroyingTheWorkerDuringARunJoinsIt)
{
    const std::size_t threadsBefore = threadCount();
    auto sink = std::make_shared<ScriptedSink>(nullptr, 5ms);
    {
        WorkerThread worker(*s_db);
        ASSERT_TRUE(worker.start(request(), sink));
        ASSERT_TRUE(sink->waitForExamined(1));
    }
    EXPECT_EQ(threadCount(), threadsBefore);
    EXPECT_EQ(sink->logged().back(), "finished");
    EXPECT_TRUE(sink->result().stopped);
}

TEST_F(GenerationThreads, QueuedSinkDeliversEverythingToADrainingThread)
{
    std::atomic<int> wakes { 0 };
    auto sink = std::make_shared<QueuedGenerationSink>([&] { ++wakes; });
    WorkerThread worker(*s_db);
    ASSERT_TRUE(worker.start(request(), sink));

    // The window's side: drain until the run has finished.
    std::size_t streamed = 0;
    std::shared_ptr<const NameList> names;
    std::vector<GenerationMessage> messages;
    bool started = false, firstListed = false;
    std::optional<GenerationResult> finished;
    std::size_t lastExamined = 0;
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (!finished && std::chrono::steady_clock::now() < deadline) {
        for (GenerationEvent& event : sink->drain()) {
            std::visit(
                [&](auto& e) {
                    using T = std::decay_t<decltype(e)>;
                    if constexpr (std::is_same_v<T, ev::Started>) started = true;
                    if constexpr (std::is_same_v<T, ev::FirstListed>) firstListed = true;
                    if constexpr (std::is_same_v<T, ev::ListPrepared>) names = e.names;
                    if constexpr (std::is_same_v<T, ev::Rows>) {
                        EXPECT_EQ(e.firstRow, streamed);
                        ASSERT_TRUE(names);
                        // The reported names can be read while the run goes on.
                        for (std::size_t r = e.firstRow; r < e.firstRow + e.count; ++r)
                            ASSERT_FALSE(names->row((*names)[r], r + 1)[NameRow::Name].empty());
                        streamed += e.count;
                    }
                    if constexpr (std::is_same_v<T, ev::Progress>) {
                        EXPECT_GE(e.examined, lastExamined);
                        lastExamined = e.examined;
                    }
                    if constexpr (std::is_same_v<T, ev::Finished>) finished = e.result;
                },
                event);
        }
        std::this_thread::sleep_for(1ms);
    }
    worker.wait();
    ASSERT_TRUE(finished);
    EXPECT_TRUE(started);
    EXPECT_TRUE(firstListed);
    EXPECT_TRUE(sink->finished());
    EXPECT_TRUE(sink->drain().empty());
    EXPECT_GE(wakes.load(), 1);
    EXPECT_EQ(lastExamined, finished->examinedCount);
    EXPECT_EQ(columnsOf(*finished), columnsOf(*s_reference));
    // The streamed names are the final list before sorting.
    EXPECT_EQ(names, finished->names);
    EXPECT_EQ(streamed, finished->rowCount());
    std::vector<std::uint32_t> order = finished->order;
    std::sort(order.begin(), order.end());
    for (std::size_t i = 0; i < order.size(); ++i)
        ASSERT_EQ(order[i], i) << "the final order is a permutation of the listed names";
}

// The modes without a scored list report through onText and onEnglishRows;
// the thread must pass those on like every other report.
TEST_F(GenerationThreads, TextAndEnglishRowsReachTheSink)
{
    jm::test::FixtureBuilder b = jm::test::FixtureBuilder::standard();
    b.character({ "麦", 7, 11, "木", "mai", "麥", "m" });
    b.row("NM_EName", { "1", "m", "", "Mark", "4", "1", "马克", "全名", "英语", "标记" });
    NameDatabase db;
    ASSERT_TRUE(bootstrapDatabase(db, b.write(s_dir->path() / "english.db").string()).ok());
    WorkerThread worker(db);

    const auto eventsOf = [&](const GenerationRequest& r) {
        auto sink = std::make_shared<QueuedGenerationSink>();
        EXPECT_TRUE(worker.start(r, sink));
        worker.wait();
        return sink->drain();
    };
    GenerationRequest classic = request();
    classic.mode = GenerationMode::Classic;
    classic.showAllNames = true; // all 2910 names: the text ends with a name, not a row break
    std::string text;
    for (GenerationEvent& e : eventsOf(classic))
        if (auto* t = std::get_if<ev::Text>(&e)) text += t->text;
    EXPECT_TRUE(text.starts_with("张") && text.ends_with("  ")) << text.substr(0, 60);

    GenerationRequest english = request();
    english.mode = GenerationMode::English;
    english.english = { "张", "麦", 1 };
    std::vector<std::string> names;
    for (GenerationEvent& e : eventsOf(english))
        if (auto* rows = std::get_if<ev::EnglishRows>(&e))
            for (const EnglishRow& row : rows->rows)
                names.push_back(row[EnglishRow::Name]);
    EXPECT_EQ(names, std::vector<std::string> { "Mark" });
}
