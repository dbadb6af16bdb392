// Quality checks of the 81-number and three-talents tables of the shipped
// database. Both hold our own written readings; while a table has no rows yet
// its checks are skipped.
#include "data/Bootstrap.h"
#include "data/NameDatabase.h"
#include "scoring/NameScorer.h"
#include "text/Text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

namespace {

const std::set<std::string> kGrades = { "大吉", "吉", "中", "凶", "大凶" };

class ShippedFortunes : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* path = std::getenv("JIAMING_SHIPPED_DB");
        ASSERT_TRUE(path && db.open(path)) << (path ? path : "JIAMING_SHIPPED_DB not set");
    }

    int count(const std::string& table)
    {
        auto st = db.query("select count(*) from " + table);
        return db.columnInt(st, 0);
    }

    /// Texts of the rows whose column `first`.. `last` holds an empty or blank text.
    std::string emptyCells(const std::string& table, int keyColumn, int first, int last)
    {
        std::string found;
        auto st = db.query("select * from " + table);
        for (bool row = st.onRow(); row; row = db.nextRow(st))
            for (int c = first; c <= last; ++c)
                if (db.columnText(st, c).find_first_not_of(" \t\r\n　") == std::string::npos)
                    found += db.columnText(st, keyColumn) + "#" + std::to_string(c) + " ";
        return found;
    }

    jm::NameDatabase db;
};

TEST_F(ShippedFortunes, EightyOneNumbers)
{
    if (count("NM_八一灵动数") == 0) GTEST_SKIP() << "NM_八一灵动数 has no rows yet";
    EXPECT_EQ(count("NM_八一灵动数"), 81);
    std::set<int> ids;
    auto st = db.query("select * from NM_八一灵动数 order by Id");
    for (bool row = st.onRow(); row; row = db.nextRow(st)) {
        const int id = db.columnInt(st, 0);
        ids.insert(id);
        EXPECT_TRUE(kGrades.count(db.columnText(st, 1))) << id << ": " << db.columnText(st, 1);
    }
    ASSERT_EQ(ids.size(), 81u);
    EXPECT_EQ(*ids.begin(), 1);
    EXPECT_EQ(*ids.rbegin(), 81);
    EXPECT_EQ(emptyCells("NM_八一灵动数", 0, 2, 9), "");
}

TEST_F(ShippedFortunes, AllThreeTalentsKeys)
{
    if (count("NM_三才配置") == 0) GTEST_SKIP() << "NM_三才配置 has no rows yet";
    const std::string elements[] = { "木", "火", "土", "金", "水" };
    std::set<std::string> expected;
    for (const auto& a : elements)
        for (const auto& b : elements)
            for (const auto& c : elements)
                expected.insert(a + b + c);

    EXPECT_EQ(count("NM_三才配置"), 125);
    std::set<std::string> keys;
    auto st = db.query("select * from NM_三才配置");
    for (bool row = st.onRow(); row; row = db.nextRow(st)) {
        const std::string key = db.columnText(st, 1);
        keys.insert(key);
        EXPECT_TRUE(kGrades.count(db.columnText(st, 2))) << key << ": " << db.columnText(st, 2);
    }
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(emptyCells("NM_三才配置", 1, 3, 20), "");
}

TEST(ShippedScores, CommonNamesGetSixGrades)
{
    // Ten common surnames with ten common given names: every grid number stays
    // within 1..81 and every key is in the table, so no grade may be empty.
    jm::NameDatabase db;
    const char* path = std::getenv("JIAMING_SHIPPED_DB");
    ASSERT_TRUE(path && jm::bootstrapDatabase(db, path).ok());
    auto st = db.query("select (select count(*) from NM_八一灵动数) * (select count(*) from NM_三才配置)");
    if (db.columnInt(st, 0) == 0) GTEST_SKIP() << "the readings tables have no rows yet";

    const std::string surnames = "王李张刘陈杨黄赵吴周";
    const char* given[] = { "伟", "芳", "娜", "秀英", "敏", "静", "丽", "强", "志明", "子涵" };
    jm::CharacterTable table;
    for (const char* g : given)
        for (const std::string& c : jm::splitCharacters(surnames + g))
            if (!table.find(c)) table.append(jm::lookUpCharacterInfo(db, c));
    jm::NameScorer scorer(db, table);
    for (const std::string& surname : jm::splitCharacters(surnames))
        for (const char* g : given) {
            const jm::NameScore score = scorer.scoreName(surname, g);
            for (const auto& grade : score.grades)
                EXPECT_TRUE(kGrades.count(grade)) << surname << g << " " << jm::gridsText(score.grids);
        }
}

} // namespace
