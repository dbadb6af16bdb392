#include "data/Bootstrap.h"
#include "scoring/NameScorer.h"
#include "support/FixtureDatabase.h"

#include <gtest/gtest.h>

using namespace jm;
using jm::test::FixtureBuilder;
using jm::test::TempDir;

TEST(GradeFactor, Table)
{
    EXPECT_EQ(gradePercent("大吉"), 100);
    EXPECT_EQ(gradePercent("吉"), 100);
    EXPECT_EQ(gradePercent("中"), 85);
    EXPECT_EQ(gradePercent("凶"), 60);
    EXPECT_EQ(gradePercent("大凶"), 30);
    for (const char* other : { "", "吉 ", "大吉吉", "平" })
        EXPECT_EQ(gradePercent(other), 0) << other;
    EXPECT_DOUBLE_EQ(gradeFactor("中"), 0.85);
}

TEST(Verdict, Bands)
{
    EXPECT_TRUE(verdictOf(100).starts_with("你的名字取得非常棒"));
    EXPECT_TRUE(verdictOf(90).starts_with("你的名字取得非常棒"));
    EXPECT_TRUE(verdictOf(89.75).starts_with("你的名字取得不错"));
    EXPECT_TRUE(verdictOf(80).starts_with("你的名字取得不错"));
    EXPECT_TRUE(verdictOf(79.95).starts_with("你的名字可能不太理想"));
    EXPECT_TRUE(verdictOf(60).starts_with("你的名字不太好"));
    EXPECT_TRUE(verdictOf(59.99).starts_with("你的名字很不好"));
}

namespace {

// 张三丰: grids 12,14,21,32,19 and key 木火木. Each case gives the six grades.
struct GradeCase {
    const char* what;
    std::array<const char*, 6> grades; // 天 人 地 总 外 三才; nullptr = no row
    double exact;
    int score;
};

NameScore scoreWith(const GradeCase& c)
{
    TempDir dir;
    FixtureBuilder b;
    b.character({ "张", 7, 11, "火" }).character({ "三", 3, 3, "金" }).character({ "丰", 4, 18, "木" });
    const int numbers[5] = { 12, 14, 21, 32, 19 };
    for (int i = 0; i < 5; ++i)
        if (c.grades[static_cast<std::size_t>(i)]) b.number(numbers[i], c.grades[static_cast<std::size_t>(i)]);
    if (c.grades[5]) b.threeTalents("木火木", c.grades[5]);
    NameDatabase db;
    EXPECT_TRUE(bootstrapDatabase(db, b.write(dir.path() / "f.db").string()).ok());
    CharacterTable table;
    for (const char* ch : { "张", "三", "丰" })
        table.append(lookUpCharacterInfo(db, ch));
    NameScorer scorer(db, table);
    NameScore s = scorer.scoreName("张", "三丰");
    EXPECT_EQ(scorer.quickScore(1, table.find("张"), nullptr, 2, table.find("三"), table.find("丰")), s.score);
    return s;
}

} // namespace

TEST(ScoreName, GradeMixes)
{
    const GradeCase cases[] = {
        { "all good", { "大吉", "吉", "大吉", "吉", "大吉", "吉" }, 100, 100 },
        { "outer middling", { "大吉", "大吉", "大吉", "大吉", "中", "大吉" }, 98.5, 98 },
        { "three talents very bad", { "吉", "吉", "吉", "吉", "吉", "大凶" }, 89.5, 89 },
        { "person bad", { "大吉", "凶", "大吉", "大吉", "大吉", "大吉" }, 88, 88 },
        { "heaven middling", { "中", "吉", "吉", "吉", "吉", "吉" }, 99.25, 99 },
        { "no total row", { "大吉", "大吉", "大吉", nullptr, "大吉", "大吉" }, 80, 80 },
        { "all middling", { "中", "中", "中", "中", "中", "中" }, 85, 85 },
        { "all very bad", { "大凶", "大凶", "大凶", "大凶", "大凶", "大凶" }, 30, 30 },
        { "no rows", { nullptr, nullptr, nullptr, nullptr, nullptr, nullptr }, 0, 0 },
    };
    for (const GradeCase& c : cases) {
        SCOPED_TRACE(c.what);
        const NameScore s = scoreWith(c);
        EXPECT_DOUBLE_EQ(s.exactScore, c.exact);
        EXPECT_EQ(s.score, c.score);
        EXPECT_EQ(gridsText(s.grids), "12,14,21,32,19");
    }
}

TEST(ScoreName, QuickScoreMatchesFullScoreOverFixture)
{
    TempDir dir;
    NameDatabase db;
    ASSERT_TRUE(bootstrapDatabase(db, FixtureBuilder::standard().write(dir.path() / "f.db").string()).ok());
    CharacterTable table;
    const char* chars[] = { "张", "三", "丰", "伟", "欧", "阳", "娜", "李", "明", "华", "王", "海", "林", "金", "山" };
    for (const char* c : chars)
        table.append(lookUpCharacterInfo(db, c));
    NameScorer scorer(db, table);
    NameScorer fresh(db, table);
    for (const char* a : chars)
        for (const char* b : chars) {
            const NameScore s = scorer.scoreName("张", std::string(a) + b);
            EXPECT_EQ(scorer.quickScore(1, table.find("张"), nullptr, 2, table.find(a), table.find(b)), s.score);
            // Cached grades equal fresh lookups.
            const FiveGrids& g = s.grids;
            EXPECT_EQ(s.grades[1], fortuneOfNumber(db, g.人格));
            EXPECT_EQ(s.grades[5], fortuneOfThreeTalents(db, g.三才));
            (void)fresh;
        }
}

TEST(SurnameHeavenFortune, SingleDoubleAndMissing)
{
    TempDir dir;
    NameDatabase db;
    ASSERT_TRUE(bootstrapDatabase(db, FixtureBuilder::standard().write(dir.path() / "f.db").string()).ok());
    CharacterTable table;
    for (const char* c : { "张", "欧", "阳" })
        table.append(lookUpCharacterInfo(db, c));
    NameScorer scorer(db, table);
    const auto& grades = jm::test::traditionalNumberGrades();
    EXPECT_EQ(scorer.surnameHeavenFortune("张"), grades[12]);
    EXPECT_EQ(scorer.surnameHeavenFortune("欧阳"), grades[32]);
    EXPECT_EQ(scorer.surnameHeavenFortune("钱"), grades[1]); // missing: 0 + 1
}
