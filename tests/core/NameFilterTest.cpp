// The default lists: what they leave out, the variety among equal scores,
// the cautions on listed names, and the literal lists of 显示全部名字.
#include "data/Bootstrap.h"
#include "generate/CandidatePipeline.h"
#include "generate/ClassicMode.h"
#include "generate/GenerationWorker.h"
#include "generate/PoemMode.h"
#include "support/AdviceFixture.h"
#include "support/ListFixture.h"
#include "text/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

using namespace jm;
using jm::test::TempDir;

namespace {

class NameFilter : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new TempDir;
        s_db = new NameDatabase;
        // The built-in lists with made-up strokes, plus the sample judgements:
        // the list characters keep their rows, the others get one.
        jm::test::FixtureBuilder builder = jm::test::listFixture();
        jm::test::addAdviceFixture(builder, true);
        ASSERT_TRUE(bootstrapDatabase(*s_db, builder.write(s_dir->path() / "n.db").string()).ok());
    }
    static void TearDownTestSuite()
    {
        delete s_db;
        delete s_dir;
    }
    static GenerationResult run(GenerationRequest request)
    {
        RunControl control;
        GenerationSink sink;
        request.seed = 5;
        return GenerationWorker(*s_db, control).run(request, sink);
    }
    static GenerationRequest combination(const std::string& surname, const std::string& characters, bool all)
    {
        GenerationRequest r;
        r.mode = GenerationMode::Combination;
        r.surname = surname;
        r.combination.characters = characters;
        r.showAllNames = all;
        return r;
    }
    static std::map<std::string, std::size_t> namesOf(const GenerationResult& result)
    {
        std::map<std::string, std::size_t> names;
        for (const NameRow& row : result.rows())
            ++names[row[NameRow::Name]];
        return names;
    }
    static std::size_t excluded(const GenerationResult& result, Exclusion e)
    {
        return result.excluded[static_cast<std::size_t>(e)];
    }
    static TempDir* s_dir;
    static NameDatabase* s_db;
};
TempDir* NameFilter::s_dir = nullptr;
NameDatabase* NameFilter::s_db = nullptr;

} // namespace

TEST_F(NameFilter, DefaultListLeavesOutWhatTheLiteralListShows)
{
    // 逝 is unfit, 床 odd, 杜子腾 sounds like 肚子疼; 娜 stays (a typed
    // combination is not chosen by sex).
    const auto literal = namesOf(run(combination("杜", "伟杰逝床子腾娜", true)));
    const auto chosen = run(combination("杜", "伟杰逝床子腾娜", false));
    const auto names = namesOf(chosen);
    struct Case {
        const char* name;
        bool inLiteral;
        bool inDefault;
    };
    const Case kCases[] = {
        { "杜伟杰", true, true },
        { "杜娜伟", true, true },
        { "杜伟逝", true, false },
        { "杜逝杰", true, false },
        { "杜床杰", true, false },
        { "杜子腾", true, false },
        { "杜腾子", true, true },
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(literal.count(c.name) > 0, c.inLiteral);
        EXPECT_EQ(names.count(c.name) > 0, c.inDefault);
    }
    EXPECT_GT(excluded(chosen, Exclusion::Unfit), 0u);
    EXPECT_GT(excluded(chosen, Exclusion::Odd), 0u);
    EXPECT_EQ(excluded(chosen, Exclusion::Homophone), 1u);
}

TEST_F(NameFilter, RepeatsAndSurnameCharactersGoOnlyFromTheDefaultList)
{
    // The run appends the surname: the characters are 明 杰 杰 欧 阳, and a repeated
    // character pairs once, so even the literal list names 杰杰 and 明杰 once. (伟
    // would not do: 欧阳伟… sounds like 阳痿.)
    const auto literal = namesOf(run(combination("欧阳", "明杰杰", true)));
    const auto chosen = run(combination("欧阳", "明杰杰", false));
    const auto names = namesOf(chosen);
    EXPECT_EQ(literal.count("欧阳杰杰") ? literal.at("欧阳杰杰") : 0u, 1u);
    EXPECT_EQ(literal.count("欧阳明杰") ? literal.at("欧阳明杰") : 0u, 1u);
    EXPECT_EQ(literal.count("欧阳阳明"), 1u);
    EXPECT_EQ(names.count("欧阳杰杰") ? names.at("欧阳杰杰") : 0u, 1u);
    EXPECT_EQ(names.count("欧阳明杰") ? names.at("欧阳明杰") : 0u, 1u);
    EXPECT_EQ(names.count("欧阳阳明"), 0u);
    EXPECT_EQ(excluded(chosen, Exclusion::Repeat), 0u); // nothing left to repeat
    EXPECT_GT(excluded(chosen, Exclusion::SurnameInside), 0u);
}

TEST_F(NameFilter, HighScoreListForABoyIsSuitableAndVaried)
{
    GenerationRequest request;
    request.mode = GenerationMode::HighScore;
    request.surname = "张";
    request.sex = "男";
    const GenerationResult result = run(request);
    ASSERT_GE(result.rowCount(), 50u);
    const std::set<std::string> rejected
        = { "逝", "奴", "妖", "淫", "蚊", "痴", "恨", "孤", "贫", "讪", "死", "病", "而", // unfit or odd
              "娜", "婷", "丽", "芳", "静", "欣", "怡", "梦", "琪", "珍", "香", "琳", "瑶", "颖" }; // girls'
    std::set<std::string> given, firstCharacters;
    for (std::size_t r = 0; r < result.rowCount(); ++r) {
        const std::string name = result.row(r)[NameRow::Name].substr(std::string("张").size());
        EXPECT_TRUE(given.insert(name).second) << "repeated " << name;
        for (const std::string& c : splitCharacters(name))
            EXPECT_FALSE(rejected.count(c)) << name;
        if (r < 50) firstCharacters.insert(splitCharacters(name).front());
    }
    EXPECT_GE(firstCharacters.size(), 20u);
    // Repeatable under the seed.
    EXPECT_EQ(run(request).row(7)[NameRow::Name], result.row(7)[NameRow::Name]);
}

TEST_F(NameFilter, ListedNamesCarryTheirCautions)
{
    const auto rows = run(combination("杜", "子腾", true)).rows();
    const auto row
        = std::find_if(rows.begin(), rows.end(), [](const NameRow& r) { return r[NameRow::Name] == "杜子腾"; });
    ASSERT_NE(row, rows.end());
    ASSERT_FALSE(row->cautions.empty());
    EXPECT_EQ(row->cautions.front().kind, "谐音");
    for (const NameRow& r : rows) {
        if (r[NameRow::Name] == "杜腾子") {
            EXPECT_TRUE(r.cautions.empty()) << r.cautions.front().text;
        }
    }
}

TEST_F(NameFilter, ClassicEntries)
{
    std::array<std::size_t, kExclusionCount> counts {};
    const auto kept = suitableClassicEntries(
        *s_db, "杜", "男", { "伟杰", "流逝", "子腾", "娜娜", "伟杰", "床前", "杜明", "龘龘", "思远" }, &counts);
    EXPECT_EQ(kept, (std::vector<std::string> { "伟杰", "思远" }));
    const std::pair<Exclusion, std::size_t> kWant[]
        = { { Exclusion::Unfit, 1 }, { Exclusion::Homophone, 1 }, { Exclusion::OtherSex, 1 }, { Exclusion::Repeat, 1 },
              { Exclusion::Odd, 1 }, { Exclusion::SurnameInside, 1 }, { Exclusion::Missing, 1 } };
    for (const auto& [e, n] : kWant)
        EXPECT_EQ(counts[static_cast<std::size_t>(e)], n) << exclusionLabel(e);

    GenerationRequest request;
    request.mode = GenerationMode::Classic;
    request.surname = "张";
    request.sex = "女";
    const GenerationResult chosen = run(request);
    request.showAllNames = true;
    const GenerationResult literal = run(request);
    EXPECT_LT(chosen.text.size(), literal.text.size());
    EXPECT_EQ(literal.excluded, (std::array<std::size_t, kExclusionCount> {}));
}

TEST_F(NameFilter, PoemTicksSkipOddAndUnfitCharacters)
{
    Poem poem;
    poem.content = "床前明月光，疑是地上霜。";
    poem.initials = "床明月光霜";
    EXPECT_EQ(defaultCheckedCharacters(poem), (std::vector<std::string> { "床", "明", "月", "光", "霜" }));
    EXPECT_EQ(suitableCheckedCharacters(*s_db, poem), (std::vector<std::string> { "明", "月", "光", "霜" }));
    const std::vector<bool> ticks = suitableDefaultTicks(*s_db, poem);
    ASSERT_EQ(ticks.size(), 10u);
    EXPECT_FALSE(ticks[0]);
    EXPECT_TRUE(ticks[2]);
    // Marks that leave nothing to pair: the poem's fit characters instead.
    poem.initials = "床";
    EXPECT_EQ(suitableCheckedCharacters(*s_db, poem),
        (std::vector<std::string> { "前", "明", "月", "光", "疑", "是", "地", "上", "霜" }));
}

TEST(VaryFirstCharacters, RoundRobinWithinEachScoreBand)
{
    // Names by their given name's first character (the group) and score.
    const std::vector<std::pair<const char*, int>> names = { { "张安一", 98 }, { "张安二", 98 }, { "张博一", 98 },
        { "张安三", 98 }, { "张晨一", 98 }, { "张德一", 90 }, { "张德二", 90 }, { "张恩一", 90 } };
    std::vector<std::uint32_t> order(names.size());
    std::map<std::string, std::uint32_t> groups;
    std::vector<std::uint32_t> groupOf(names.size());
    for (std::uint32_t i = 0; i < order.size(); ++i) {
        order[i] = i;
        const std::string first = std::string(names[i].first).substr(std::string("张").size(), 3);
        groupOf[i] = groups.try_emplace(first, static_cast<std::uint32_t>(groups.size())).first->second;
    }
    varyFirstCharacters(
        order, [&](std::uint32_t i) { return names[i].second; }, [&](std::uint32_t i) { return groupOf[i]; });
    std::vector<std::string> shown;
    for (const std::uint32_t i : order)
        shown.push_back(names[i].first);
    EXPECT_EQ(shown,
        (std::vector<std::string> { "张安一", "张博一", "张晨一", "张安二", "张安三", "张德一", "张恩一", "张德二" }));
}
