#include "data/Bootstrap.h"
#include "generate/CandidatePipeline.h"
#include "generate/CharacterLists.h"
#include "generate/GenerationWorker.h"
#include "generate/HighScoreMode.h"
#include "generate/Shuffle.h"
#include "support/FixtureDatabase.h"
#include "support/ListFixture.h"
#include "text/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>

using namespace jm;
using jm::test::FixtureBuilder;
using jm::test::TempDir;

namespace {

/// Records every report of a run made on the calling thread.
struct RecordingSink : GenerationSink {
    std::vector<GenerationMessage> messages;
    std::vector<GenerationPhase> phases;
    std::size_t streamed = 0;
    std::size_t prepared = 0;
    int firstListed = 0;
    int finished = 0;
    std::size_t lastExamined = 0;
    void onEvent(GenerationEvent& event) override
    {
        namespace ev = generation_event;
        if (const auto* e = std::get_if<ev::PhaseChanged>(&event)) phases.push_back(e->phase);
        if (const auto* e = std::get_if<ev::Message>(&event)) messages.push_back(e->message);
        if (const auto* e = std::get_if<ev::ListPrepared>(&event)) prepared = e->rowCount;
        if (const auto* e = std::get_if<ev::Rows>(&event)) {
            EXPECT_EQ(e->firstRow, streamed) << "row reports must follow each other";
            streamed += e->count;
        }
        if (const auto* e = std::get_if<ev::Progress>(&event)) lastExamined = e->examined;
        if (std::holds_alternative<ev::FirstListed>(event)) {
            ++firstListed;
            EXPECT_EQ(streamed, 1u) << "the first name is delivered before the first-listed moment";
        }
        if (std::holds_alternative<ev::Finished>(event)) ++finished;
    }
};

/// Raw NM_CNWord values read by column name, independent of the pipeline's reader.
CharacterInfo rawCharacter(NameDatabase& db, const std::string& ch)
{
    Statement st = db.query("select 简体笔画数, 繁体笔画数, 五行属性 from NM_CNWord where 汉字=?", { ch });
    CharacterInfo info { ch, db.columnInt(st, 0), db.columnInt(st, 1), db.columnText(st, 2) };
    db.finalize(st);
    return info;
}

/// The listing a run must produce, computed the plain way: every candidate
/// name in order, the surname skipped, `scoreName` for each, stop at capacity.
std::vector<std::string> expectedNames(NameDatabase& db, const std::vector<std::string>& candidates,
    const GenerationRequest& request, int threshold, std::size_t capacity)
{
    CharacterTable table;
    for (const auto& c : candidates)
        table.append(rawCharacter(db, c));
    for (const std::string& text : { request.surname, request.generationCharacter.fixedText() })
        for (const auto& ch : splitCharacters(text))
            if (!table.find(ch)) table.append(rawCharacter(db, ch));
    std::vector<std::string> given;
    const std::string& g = request.generationCharacter.fixedText();
    for (const auto& ci : candidates) {
        if (!isUsableCharacter(rawCharacter(db, ci))) continue;
        if (request.nameLength == 1)
            given.push_back(ci);
        else if (request.generationCharacter.kind == GenerationCharacterSetting::Kind::Second)
            given.push_back(g + ci);
        else if (request.generationCharacter.kind == GenerationCharacterSetting::Kind::Third)
            given.push_back(ci + g);
        else
            for (const auto& cj : candidates)
                given.push_back(ci + cj);
    }
    NameScorer scorer(db, table);
    std::vector<std::string> listed;
    for (const auto& n : given) {
        if (!request.surname.empty() && n.find(request.surname) != std::string::npos) continue;
        if (scorer.scoreName(request.surname, n).score >= threshold) listed.push_back(request.surname + n);
        if (listed.size() == capacity) break;
    }
    return listed;
}

class GenerationPipeline : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new TempDir;
        s_db = new NameDatabase;
        const auto file = jm::test::listFixture().write(s_dir->path() / "lists.db");
        ASSERT_TRUE(bootstrapDatabase(*s_db, file.string()).ok());
    }
    static void TearDownTestSuite()
    {
        delete s_db;
        delete s_dir;
    }

    GenerationResult generate(const GenerationRequest& request, RecordingSink& sink)
    {
        RunControl control;
        return GenerationWorker(*s_db, control).run(request, sink);
    }

    /// Checks the final list: sorted by score, numbered 1..n, each row the
    /// full score of its name, and the same names as the plain computation.
    void checkList(const GenerationResult& result, int threshold, std::size_t capacity)
    {
        const auto want = expectedNames(*s_db, result.candidateCharacters, result.request, threshold, capacity);
        std::multiset<std::string> got;
        for (const auto& row : result.rows())
            got.insert(row[NameRow::Name]);
        EXPECT_EQ(got, std::multiset<std::string>(want.begin(), want.end()));
        for (std::size_t r = 0; r < result.rowCount(); ++r) {
            const NameRow& row = result.row(r);
            ASSERT_EQ(row[NameRow::Number], std::to_string(r + 1));
            ASSERT_EQ(row.sortKey, std::stoi(row[NameRow::Score]));
            ASSERT_GE(row.sortKey, threshold);
            if (r) {
                ASSERT_LE(row.sortKey, result.row(r - 1).sortKey) << "row " << r + 1;
            }
        }
    }

    static TempDir* s_dir;
    static NameDatabase* s_db;
};

TempDir* GenerationPipeline::s_dir = nullptr;
NameDatabase* GenerationPipeline::s_db = nullptr;

GenerationRequest highScore(const std::string& surname, const std::string& sex, int length,
    GenerationCharacterSetting::Kind kind = GenerationCharacterSetting::Kind::None, const std::string& fixed = {})
{
    GenerationRequest r;
    r.showAllNames = true; // the literal pipeline; the default lists: NameFilterTest
    r.mode = GenerationMode::HighScore;
    r.surname = surname;
    r.sex = sex;
    r.nameLength = length;
    r.generationCharacter.kind = kind;
    r.generationCharacter.secondCharacter = kind == GenerationCharacterSetting::Kind::Second ? fixed : "";
    r.generationCharacter.thirdCharacter = kind == GenerationCharacterSetting::Kind::Third ? fixed : "";
    r.seed = 20240601;
    return r;
}

} // namespace

TEST(CharacterLists, BuiltInListsAsGiven)
{
    const auto male = splitCharacters(maleCharacters());
    const auto female = splitCharacters(femaleCharacters());
    EXPECT_EQ(male.size(), 1854u);
    EXPECT_EQ(female.size(), 973u);
    EXPECT_TRUE(maleCharacters().ends_with("珺倩芃梅梦范萍忱桦桉伊苗"));
    EXPECT_TRUE(femaleCharacters().starts_with("筠柔竹霭凝晓欢霄枫芸菲寒"));
    EXPECT_TRUE(femaleCharacters().ends_with("斌艾功舟蒲谨蔼旎芫檬古苓"));
    const std::set<std::string> m(male.begin(), male.end()), f(female.begin(), female.end());
    EXPECT_EQ(m.size(), male.size()) << "no character repeats";
    EXPECT_EQ(f.size(), female.size());
    EXPECT_EQ(std::count_if(f.begin(), f.end(), [&](const std::string& c) { return m.count(c) != 0; }), 703);
    EXPECT_EQ(characterListForSex("女"), femaleCharacters());
    EXPECT_EQ(characterListForSex("男"), maleCharacters());
}

TEST(ShuffleTexts, SeedRepeatsAndEveryOrderIsEquallyLikely)
{
    std::vector<std::string> base = splitCharacters(femaleCharacters());
    auto a = base, b = base, c = base;
    ShuffleRandom r1(7), r2(7), r3(8);
    shuffleTexts(a, r1);
    shuffleTexts(b, r2);
    shuffleTexts(c, r3);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
    std::sort(a.begin(), a.end());
    std::sort(base.begin(), base.end());
    EXPECT_EQ(a, base) << "a shuffle is a permutation";

    // Six orders of three items, 60000 shuffles: each order about 10000 times.
    // A draw from i+1..n (never leaving an item in place) or from 1..n gives
    // a visibly skewed count.
    std::map<std::vector<std::string>, int> counts;
    ShuffleRandom r(1);
    for (int k = 0; k < 60000; ++k) {
        std::vector<std::string> v = { "甲", "乙", "丙" };
        shuffleTexts(v, r);
        ++counts[v];
    }
    ASSERT_EQ(counts.size(), 6u);
    for (const auto& [order, n] : counts)
        EXPECT_NEAR(n, 10000, 500);
    EXPECT_NE(freshShuffleSeed(), freshShuffleSeed());
}

TEST(OrderByScore, HighestFirstStable)
{
    const std::vector<int> scores = { 9, 100, 85, 100, 0 };
    EXPECT_EQ(orderByScore(scores.size(), [&](std::uint32_t i) { return scores[i]; }),
        (std::vector<std::uint32_t> { 1, 3, 2, 0, 4 }));
    EXPECT_TRUE(orderByScore(0, [](std::uint32_t) { return 0; }).empty());
}

TEST_F(GenerationPipeline, HighScoreThresholdsAndMessages)
{
    using Kind = GenerationCharacterSetting::Kind;
    const GenerationMessage oneChar { "提示", "一字名数理得分较低,所以软件自动降低评分标准!",
        MessageIcon::Information };
    const GenerationMessage genChar { "提示", "设定辈份后,产生的名字较少,所以系统将显示全部名字",
        MessageIcon::Warning };
    struct Case {
        GenerationRequest request;
        int threshold;
        std::vector<GenerationMessage> messages;
        std::size_t candidates; // candidate characters including the surname entry
    };
    const Case cases[] = {
        { highScore("张", "男", 2), 90, {}, 401 },
        { highScore("张", "女", 1), 0, { oneChar }, 974 }, // the girls' list is shorter than 1000
        { highScore("张", "男", 1), 0, { oneChar }, 1001 },
        { highScore("张", "男", 2, Kind::Second, "诸"), 0, { genChar }, 401 },
        { highScore("张", "女", 2, Kind::Third, "诸"), 0, { genChar }, 401 },
        { highScore("张", "男", 1, Kind::Second, "诸"), 0, { oneChar }, 1001 }, // one-character names ignore it
        { highScore("欧阳", "男", 2), 90, {}, 401 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.request.surname + c.request.sex + std::to_string(c.request.nameLength) + " "
            + c.request.generationCharacter.fixedText());
        RecordingSink sink;
        const GenerationResult result = generate(c.request, sink);
        EXPECT_EQ(sink.messages, c.messages);
        EXPECT_FALSE(result.stopped);
        EXPECT_EQ(sink.finished, 1);
        ASSERT_EQ(result.candidateCharacters.size(), c.candidates);
        EXPECT_EQ(result.candidateCharacters.back(), c.request.surname);
        EXPECT_FALSE(result.rows().empty());
        checkList(result, c.threshold, kHighScoreCapacity);
        EXPECT_EQ(sink.phases,
            (std::vector<GenerationPhase> {
                GenerationPhase::SettingUp, GenerationPhase::FormingCandidates, GenerationPhase::Listing }));
        EXPECT_EQ(sink.prepared, kHighScoreCapacity + 1);
        EXPECT_EQ(sink.firstListed, 1);
        EXPECT_EQ(sink.streamed, result.rowCount()) << "every listed row was streamed";
        for (const auto& row : result.rows()) {
            const std::string& name = row[NameRow::Name];
            ASSERT_TRUE(name.starts_with(c.request.surname));
            ASSERT_EQ(name.find(c.request.surname, c.request.surname.size()), std::string::npos) << name;
            if (c.request.generationCharacter.kind == Kind::Second && c.request.nameLength == 2) {
                ASSERT_EQ(splitCharacters(name)[1], "诸");
            }
            if (c.request.generationCharacter.kind == Kind::Third) {
                ASSERT_EQ(splitCharacters(name)[2], "诸");
            }
        }
    }
}

TEST_F(GenerationPipeline, OneCharacterGirlListsEveryUsableCharacterButTheSurname)
{
    // 阳 is in the girls' list; as surname it must never be listed.
    RecordingSink sink;
    const GenerationResult result = generate(highScore("阳", "女", 1), sink);
    std::set<std::string> want;
    for (const auto& c : splitCharacters(femaleCharacters()))
        if (c != "阳" && isUsableCharacter(rawCharacter(*s_db, c))) want.insert("阳" + c);
    std::set<std::string> got;
    for (const auto& row : result.rows())
        got.insert(row[NameRow::Name]);
    EXPECT_EQ(got, want);
    EXPECT_EQ(result.rowCount(), want.size());
}

TEST_F(GenerationPipeline, SameSeedSameList)
{
    RecordingSink s1, s2, s3;
    auto r1 = generate(highScore("李", "男", 2), s1);
    auto r2 = generate(highScore("李", "男", 2), s2);
    auto request = highScore("李", "男", 2);
    request.seed = 99;
    auto r3 = generate(request, s3);
    ASSERT_EQ(r1.rowCount(), r2.rowCount());
    for (std::size_t i = 0; i < r1.rowCount(); ++i)
        ASSERT_EQ(r1.row(i).columns, r2.row(i).columns);
    EXPECT_NE(r1.candidateCharacters, r3.candidateCharacters);
}

TEST_F(GenerationPipeline, EmptySurnameWarnsAndGoesOn)
{
    RecordingSink sink;
    const auto result = generate(highScore("", "男", 1), sink);
    ASSERT_FALSE(sink.messages.empty());
    EXPECT_EQ(sink.messages.front(), (GenerationMessage { "提示", "请输入姓氏", MessageIcon::None }));
    EXPECT_FALSE(result.rows().empty()) << "names are formed without a family name";
    checkList(result, 0, kHighScoreCapacity);
}

namespace {

/// Runs phase 1 and the listing of the shared pipeline over given candidate
/// characters, as the modes without shuffling do.
GenerationResult listCandidates(NameDatabase& db, GenerationRequest request, std::vector<std::string> candidates,
    int threshold, std::optional<std::size_t> capacity, RecordingSink& sink)
{
    RunControl control;
    GenerationRun run(db, request, sink, control);
    run.data().candidateCharacters = std::move(candidates);
    EXPECT_TRUE(formCandidateNames(run));
    EXPECT_TRUE(fillScoredList(run, threshold, capacity));
    return run.result();
}

std::vector<std::string> sorted(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> namesOf(const GenerationResult& result)
{
    std::vector<std::string> out;
    for (const auto& row : result.rows())
        out.push_back(row[NameRow::Name]);
    return sorted(out);
}

} // namespace

TEST_F(GenerationPipeline, SurnameNeverListedNotEvenAcrossTwoCharacters)
{
    RecordingSink sink;
    auto request = highScore("欧阳", "男", 2);
    // 丁 has strokes but no element: it never starts a name, yet may follow one.
    const auto result = listCandidates(*s_db, request, { "欧", "阳", "明", "丁", "欧阳" }, 0, std::nullopt, sink);
    EXPECT_EQ(namesOf(result),
        sorted({ "欧阳明丁", "欧阳明明", "欧阳明欧", "欧阳明阳", "欧阳欧丁", "欧阳欧明", "欧阳欧欧", "欧阳阳丁",
            "欧阳阳明", "欧阳阳欧", "欧阳阳阳" }));
    EXPECT_EQ(sink.prepared, 5u * 3u) << "without a capacity the list is as long as the candidates";
    EXPECT_EQ(sink.firstListed, 0) << "only modes with a capacity report the first listed name";
}

TEST_F(GenerationPipeline, RowsCarryTheFullScoreOfEveryCharacter)
{
    // Two-character surname and a generation character that no candidate
    // supplies: the scorer sees all their strokes, so the rows equal
    // scoreName over a table holding every character.
    RecordingSink sink;
    auto request = highScore("欧阳", "男", 2, GenerationCharacterSetting::Kind::Second, "诸");
    const auto result = listCandidates(*s_db, request, { "明", "丁", "海", "欧阳" }, 0, std::nullopt, sink);
    CharacterTable table;
    for (const char* ch : { "欧", "阳", "诸", "明", "海" })
        table.append(rawCharacter(*s_db, ch));
    NameScorer scorer(*s_db, table);
    ASSERT_EQ(namesOf(result), sorted({ "欧阳诸明", "欧阳诸海" }));
    for (const auto& row : result.rows()) {
        const std::string given = row[NameRow::Name].substr(std::string("欧阳").size());
        const NameScore s = scorer.scoreName("欧阳", given);
        EXPECT_EQ(row[NameRow::SimplifiedStrokes], std::to_string(s.grids.simplifiedTotal));
        EXPECT_EQ(row[NameRow::TraditionalStrokes], std::to_string(s.grids.总格));
        EXPECT_EQ(row[NameRow::Elements], s.grids.elementsText);
        EXPECT_EQ(row[NameRow::Grids], gridsText(s.grids));
        EXPECT_EQ(row[NameRow::ThreeTalents], s.grids.三才);
        EXPECT_EQ(row[NameRow::Score], std::to_string(s.score));
        EXPECT_EQ(s.grids.elementsText.size(), std::string("土土金火").size()) << "all four characters found";
    }
}

TEST_F(GenerationPipeline, CapacityStopsAtTheFirstQualifyingNames)
{
    RecordingSink sink;
    auto request = highScore("张", "男", 2);
    const std::vector<std::string> chars = { "明", "海", "林", "金", "山", "张" };
    const auto all = listCandidates(*s_db, request, chars, 0, std::nullopt, sink);
    RecordingSink capped;
    const auto result = listCandidates(*s_db, request, chars, 0, 7, capped);
    ASSERT_EQ(result.rowCount(), 7u);
    EXPECT_EQ(capped.prepared, 8u);
    EXPECT_EQ(capped.firstListed, 1);
    // Listing order: 明明 明海 明林 明金 明山 (明张 skipped) 海明 海海.
    EXPECT_EQ(namesOf(result), sorted({ "张明明", "张明海", "张明林", "张明金", "张明山", "张海明", "张海海" }));
    EXPECT_EQ(result.examinedCount, 8u) << "scoring stops at the 7th listed name";
    EXPECT_EQ(all.rowCount(), 25u);
}
