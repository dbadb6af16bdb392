// The repositories of the data layer: named records, "not found" as a value
// (never a row of zeros), the first row when a key repeats, and a closed
// database that finds nothing.
#include "data/ArticleRepository.h"
#include "data/Bootstrap.h"
#include "data/CharacterRepository.h"
#include "data/EnglishNameRepository.h"
#include "data/FortuneRepository.h"
#include "data/PoemRepository.h"
#include "data/SurnameRepository.h"
#include "data/ThreeTalentsRepository.h"
#include "support/FixtureDatabase.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace jm;
using jm::test::FixtureBuilder;
using jm::test::TempDir;

namespace {

class Repositories : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new TempDir;
        FixtureBuilder b;
        b.row("NM_CNWord",
            { "1", "23433", "安", "安", "安", "6", "6", "an", "ān", "", "an", "宀", "土", "PVF", "平安", "安定" });
        b.row("NM_CNWord",
            { "2", "23433", "安", "安", "安", "9", "9", "x", "x", "x", "x", "x", "木", "x", "second row", "x" });
        b.row("NM_CNWord", { "3", "0", "丁", "丁", "丁", "", "", "", "", "", "", "", "火", "", "", "" });
        b.number(1, "大吉", { "一", "二", "三", "基", "家", "健", "含", "暗|示" });
        b.threeTalents("木火土", "吉");
        b.row("NM_百家姓", { "1", "欧阳", "起源", "地方", "名人" });
        b.row("NM_Poet", { "1", "王维", "2", "2" });
        b.row("NM_Poet", { "2", "李白", "1", "1" });
        b.row("NM_全唐诗", { "7", "静夜思", "李白", "床前明月光", "明", "5" });
        b.row("NM_全唐诗", { "8", "静夜思", "李白", "重出", "", "2" });
        for (const char* name : { "Mark", "Mary", "Mike" })
            b.row("NM_EName", { "1", "m", "", name, "4", "1", "读音", "", "", "含义" });
        b.row("NM_育儿百科", { "1", "1", "营养", "早餐", "鸡蛋" });
        b.row("NM_育儿百科", { "2", "1", "营养", "午餐", "米饭" });
        s_db = new NameDatabase;
        const Result<void> loaded = bootstrapDatabase(*s_db, b.write(s_dir->path() / "f.db").string());
        ASSERT_TRUE(loaded) << loaded.error();
        ASSERT_TRUE(s_db->execute("update NM_CNWord set 简体笔画数=NULL where 汉字='丁'"));
    }
    static void TearDownTestSuite()
    {
        delete s_db;
        delete s_dir;
    }
    static TempDir* s_dir;
    static NameDatabase* s_db;
};
TempDir* Repositories::s_dir = nullptr;
NameDatabase* Repositories::s_db = nullptr;

} // namespace

TEST_F(Repositories, CharactersByName)
{
    const CharacterRepository characters(*s_db);
    const auto an = characters.find("安");
    ASSERT_TRUE(an);
    // The first of two rows for the same character, field by field.
    EXPECT_EQ(an->simplifiedStrokes, 6);
    EXPECT_EQ(an->traditionalStrokes, 6);
    EXPECT_EQ(an->pinyin1, "an");
    EXPECT_EQ(an->pinyin2, "ān");
    EXPECT_EQ(an->initial, "");
    EXPECT_EQ(an->radical, "宀");
    EXPECT_EQ(an->element, "土");
    EXPECT_EQ(an->basicExplanation, "平安");
    EXPECT_EQ(an->detailedExplanation, "安定");

    const auto ding = characters.find("丁");
    ASSERT_TRUE(ding);
    EXPECT_FALSE(ding->simplifiedStrokes) << "a NULL count is no count, not 0";
    EXPECT_EQ(characters.findStrokes("丁")->simplifiedStrokes, 0);

    EXPECT_FALSE(characters.find("龘"));
    EXPECT_FALSE(characters.findStrokes("龘"));
    EXPECT_FALSE(characters.find(""));

    const auto many = characters.findStrokesOfMany({ "安", "龘", "丁", "安" });
    EXPECT_EQ(many.size(), 2u);
    EXPECT_EQ(many.at("安").simplifiedStrokes, 6) << "the first row, as a single lookup reads it";
    EXPECT_EQ(many.count("龘"), 0u);
}

TEST_F(Repositories, ReadingsSurnamesPoemsNamesArticles)
{
    const auto one = FortuneRepository(*s_db).find(1);
    ASSERT_TRUE(one);
    EXPECT_EQ(one->grade, "大吉");
    EXPECT_EQ(one->explanation3, "三");
    EXPECT_EQ(one->hints, "暗|示");
    EXPECT_EQ(FortuneRepository(*s_db).grade(1), "大吉");
    EXPECT_FALSE(FortuneRepository(*s_db).find(82));
    EXPECT_FALSE(FortuneRepository(*s_db).grade(0));

    EXPECT_EQ(ThreeTalentsRepository(*s_db).grade("木火土"), "吉");
    EXPECT_EQ(ThreeTalentsRepository(*s_db).find("木火土")->key, "木火土");
    EXPECT_FALSE(ThreeTalentsRepository(*s_db).find("木火"));

    const auto ouyang = SurnameRepository(*s_db).find("欧阳");
    ASSERT_TRUE(ouyang);
    EXPECT_EQ(ouyang->famousPeople, "名人");
    EXPECT_FALSE(SurnameRepository(*s_db).find("欧"));

    const PoemRepository poems(*s_db);
    EXPECT_EQ(poems.poets(), (std::vector<std::string> { "李白", "王维" }));
    ASSERT_EQ(poems.poemsOf("李白").size(), 2u);
    EXPECT_TRUE(poems.poemsOf("杜甫").empty());
    EXPECT_EQ(poems.find("李白", "静夜思")->content, "床前明月光");
    EXPECT_EQ(poems.find(8)->content, "重出");
    EXPECT_FALSE(poems.find(9));

    std::vector<std::string> seen;
    const bool completed = EnglishNameRepository(*s_db).forEach([&](const EnglishNameRecord& n) {
        seen.push_back(n.name);
        return n.name != "Mary";
    });
    EXPECT_FALSE(completed);
    EXPECT_EQ(seen, (std::vector<std::string> { "Mark", "Mary" }));

    const ArticleRepository articles(*s_db);
    const auto listed = articles.titles(ArticleTable::Parenting, "营养");
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[1].title, "午餐");
    EXPECT_EQ(articles.content(ArticleTable::Parenting, listed[1].row), "米饭");
    EXPECT_TRUE(articles.titles(ArticleTable::Fortune, "营养").empty());
    EXPECT_FALSE(articles.content(ArticleTable::Fortune, listed[1].row));
}

TEST(RepositoriesClosed, AClosedDatabaseFindsNothing)
{
    NameDatabase db;
    EXPECT_FALSE(CharacterRepository(db).find("安"));
    EXPECT_TRUE(CharacterRepository(db).findStrokesOfMany({ "安" }).empty());
    EXPECT_FALSE(FortuneRepository(db).grade(1));
    EXPECT_TRUE(PoemRepository(db).poets().empty());
    EXPECT_TRUE(EnglishNameRepository(db).forEach([](const EnglishNameRecord&) { return true; }));
}

TEST(BootstrapColumns, AShippedTableWithOtherColumnsIsRefused)
{
    // The copy goes by column name, so a renamed column must fail loudly
    // instead of leaving a column empty.
    TempDir dir;
    const auto file = FixtureBuilder::standard().write(dir.path() / "renamed.db");
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &raw), SQLITE_OK);
    ASSERT_EQ(
        sqlite3_exec(raw, "alter table NM_百家姓 rename column 聚集地 to 地区", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(raw);
    NameDatabase db;
    const Result<void> loaded = bootstrapDatabase(db, file.string());
    ASSERT_FALSE(loaded);
    EXPECT_NE(loaded.error().find("NM_百家姓"), std::string::npos) << loaded.error();
    EXPECT_NE(loaded.error().find("地区"), std::string::npos) << loaded.error();
    EXPECT_FALSE(db.isOpen());
}
