// Benchmarks of name generation: scoring throughput, whole high-score runs and
// the super-lucky worst case.
// The database is $JIAMING_DB when set, else a generated fixture holding
// every character of the built-in lists, the 81 numbers and the 125 keys.
#include "data/Bootstrap.h"
#include "generate/CandidatePipeline.h"
#include "generate/CharacterLists.h"
#include "generate/GenerationWorker.h"
#include "generate/QueuedGenerationSink.h"
#include "generate/WorkerThread.h"
#include "scoring/FiveGrids.h"
#include "scoring/Fortune.h"
#include "support/ListFixture.h"
#include "text/Text.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <malloc.h>
#include <memory>

using namespace jm;

namespace {

const std::string& databasePath()
{
    static const std::string path = [] {
        if (const char* env = std::getenv("JIAMING_DB"); env && *env) return std::string(env);
        static jm::test::TempDir dir;
        return jm::test::listFixture().write(dir.path() / "bench.db").string();
    }();
    return path;
}

NameDatabase& database()
{
    static NameDatabase* db = [] {
        auto* d = new NameDatabase;
        const std::string& path = databasePath();
        const Result<void> r = bootstrapDatabase(*d, path);
        if (!r.ok()) {
            std::fprintf(stderr, "cannot load %s: %s\n", path.c_str(), r.error().c_str());
            std::exit(1);
        }
        std::fprintf(stderr, "database: %s\n", path.c_str());
        return d;
    }();
    return *db;
}

/// 400 shuffled boys' characters and the surname 张, looked up as a run does.
struct ScoringSetup {
    CharacterTable table;
    std::vector<const CharacterInfo*> given;
    const CharacterInfo* surname = nullptr;
    std::vector<std::string> texts;

    ScoringSetup()
    {
        texts = splitCharacters(maleCharacters());
        ShuffleRandom random(1);
        shuffleTexts(texts, random);
        texts.resize(400);
        for (const auto& t : texts)
            table.append(loadCharacterInfo(database(), t));
        table.append(loadCharacterInfo(database(), "张"));
        for (const auto& t : texts)
            given.push_back(table.find(t));
        surname = table.find("张");
    }
};

void BM_QuickScore(benchmark::State& state)
{
    ScoringSetup s;
    NameScorer scorer(database(), s.table);
    std::int64_t names = 0;
    for (auto _ : state) {
        int sum = 0;
        for (const CharacterInfo* a : s.given)
            for (const CharacterInfo* b : s.given)
                sum += scorer.quickScore(1, s.surname, nullptr, 2, a, b);
        benchmark::DoNotOptimize(sum);
        names += static_cast<std::int64_t>(s.given.size() * s.given.size());
    }
    state.SetItemsProcessed(names);
}
BENCHMARK(BM_QuickScore)->Unit(benchmark::kMillisecond);

// The full score with texts, as the rows of listed names are built.
void BM_ScoreName(benchmark::State& state)
{
    ScoringSetup s;
    NameScorer scorer(database(), s.table);
    std::int64_t names = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < 20; ++i)
            for (const auto& b : s.texts)
                benchmark::DoNotOptimize(scorer.scoreName("张", s.texts[i] + b));
        names += static_cast<std::int64_t>(20 * s.texts.size());
    }
    state.SetItemsProcessed(names);
}
BENCHMARK(BM_ScoreName)->Unit(benchmark::kMillisecond);

/// The same scores computed the direct way, as a baseline for the two above:
/// each character found by walking the run's character list from the front,
/// and one SQL query per grade (five 81-numbers and the three-talents key),
/// nothing cached.
int literalScore(NameDatabase& db, const std::vector<CharacterInfo>& list, const std::string& surname,
    const std::string& a, const std::string& b)
{
    const auto walk = [&list](const std::string& c) {
        for (const CharacterInfo& info : list)
            if (info.character == c) return info;
        return CharacterInfo { c, 0, 0, "" };
    };
    NameLayout layout;
    layout.surnameLength = 1;
    layout.givenLength = 2;
    layout.S1 = walk(surname);
    layout.G1 = walk(a);
    layout.G2 = walk(b);
    const FiveGrids g = computeFiveGrids(layout);
    const std::array<int, 6> percents = {
        gradePercent(fortuneOfNumber(db, g.天格)),
        gradePercent(fortuneOfNumber(db, g.人格)),
        gradePercent(fortuneOfNumber(db, g.地格)),
        gradePercent(fortuneOfNumber(db, g.总格)),
        gradePercent(fortuneOfNumber(db, g.外格)),
        gradePercent(fortuneOfThreeTalents(db, g.三才)),
    };
    return weightedHundredths(percents) / 100;
}

void BM_ScoreLiteralDesign(benchmark::State& state)
{
    ScoringSetup s;
    NameScorer scorer(database(), s.table);
    std::int64_t names = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < 5; ++i)
            for (std::size_t j = 0; j < s.texts.size(); ++j) {
                const int score = literalScore(database(), s.table.records(), "张", s.texts[i], s.texts[j]);
                if (score != scorer.quickScore(1, s.surname, nullptr, 2, s.given[i], s.given[j])) {
                    state.SkipWithError("the direct score differs from quickScore");
                    return;
                }
            }
        names += static_cast<std::int64_t>(5 * s.texts.size());
    }
    state.SetItemsProcessed(names);
}
BENCHMARK(BM_ScoreLiteralDesign)->Unit(benchmark::kMillisecond);

GenerationRequest highScoreRequest(int length)
{
    GenerationRequest r;
    r.mode = GenerationMode::HighScore;
    r.surname = "张";
    r.sex = "男";
    r.nameLength = length;
    return r;
}

/// A whole high-score run (张, boy) on the calling thread; a new shuffle each
/// iteration. The default list: unsuitable names left out, equal scores varied.
void BM_HighScoreRun(benchmark::State& state)
{
    RunControl control;
    GenerationSink sink;
    GenerationRequest request = highScoreRequest(static_cast<int>(state.range(0)));
    request.showAllNames = state.range(1) != 0;
    std::uint64_t seed = 1;
    std::size_t rows = 0, examined = 0;
    for (auto _ : state) {
        request.seed = seed++;
        const GenerationResult r = GenerationWorker(database(), control).run(request, sink);
        rows += r.rowCount();
        examined += r.examinedCount;
    }
    state.counters["rows"] = benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kAvgIterations);
    state.counters["examined"] = benchmark::Counter(static_cast<double>(examined), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_HighScoreRun)
    ->Args({ 2, 0 })
    ->Args({ 1, 0 })
    ->Args({ 2, 1 })
    ->ArgNames({ "length", "all" })
    ->Unit(benchmark::kMillisecond);

/// The same run as the window starts it: on the worker thread, reporting
/// through the queued sink, drained at the end.
void BM_HighScoreRunOnWorkerThread(benchmark::State& state)
{
    WorkerThread worker(database());
    GenerationRequest request = highScoreRequest(2);
    std::uint64_t seed = 1;
    for (auto _ : state) {
        request.seed = seed++;
        auto sink = std::make_shared<QueuedGenerationSink>();
        worker.start(request, sink);
        worker.wait();
        benchmark::DoNotOptimize(sink->drain());
    }
}
BENCHMARK(BM_HighScoreRunOnWorkerThread)->Unit(benchmark::kMillisecond);

/// The super-lucky worst case: the boys' whole list with the must-have switch
/// on and no box checked, so every usable character pairs with every other
/// (about 1855 x 1855 candidates). Arg 0: surname 张 (its heaven grade sets a
/// high threshold; every candidate is scored). Arg 1: no surname, no grade,
/// threshold 0: the list fills to its 100000 names and the run stops there.
void BM_SuperLuckyRun(benchmark::State& state)
{
    RunControl control;
    GenerationSink sink;
    GenerationRequest request;
    request.mode = GenerationMode::SuperLucky;
    request.surname = state.range(0) == 0 ? "张" : "";
    request.sex = "男";
    request.superLucky.allMustHave.enabled = true;
    std::uint64_t seed = 1;
    std::size_t rows = 0, examined = 0, candidates = 0;
    for (auto _ : state) {
        request.seed = seed++;
        const GenerationResult r = GenerationWorker(database(), control).run(request, sink);
        rows += r.rowCount();
        examined += r.examinedCount;
        candidates += r.candidateCount;
    }
    const auto avg
        = [](std::size_t n) { return benchmark::Counter(static_cast<double>(n), benchmark::Counter::kAvgIterations); };
    state.counters["candidates"] = avg(candidates);
    state.counters["examined"] = avg(examined);
    state.counters["rows"] = avg(rows);
}
BENCHMARK(BM_SuperLuckyRun)->Arg(0)->Arg(1)->ArgName("nosurname")->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

/// Start-up: the shipped file loaded into a fresh in-memory database, ready
/// for lookups (closing it is not timed).
void BM_Bootstrap(benchmark::State& state)
{
    // A fixed threshold keeps glibc from serving the database's buffer from
    // memory a previous iteration already touched: each load meets fresh
    // pages, as the one load of a starting process does.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
    const std::string& path = databasePath();
    for (auto _ : state) {
        NameDatabase db;
        const Result<void> r = bootstrapDatabase(db, path);
        if (!r.ok()) {
            state.SkipWithError(r.error().c_str());
            break;
        }
        state.PauseTiming();
        db.close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Bootstrap)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
