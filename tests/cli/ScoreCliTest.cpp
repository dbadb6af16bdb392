#include "support/AdviceFixture.h"
#include "support/CliRunner.h"
#include "support/FixtureDatabase.h"

#include <gtest/gtest.h>

#include <string>

using jm::test::FixtureBuilder;
using jm::test::TempDir;

using jm::test::runCli;
using jm::test::shellQuote;

TEST(ScoreCli, WorkedExampleAsJson)
{
    TempDir dir;
    const auto db = FixtureBuilder::standard().write(dir.path() / "f.db");
    const auto r = runCli("score 张 三丰 --json --db " + shellQuote(db.string()));
    ASSERT_EQ(r.status, 0) << r.out;
    for (const char* part : { "\"grids\":{\"天格\":12,\"人格\":14,\"地格\":21,\"总格\":32,\"外格\":19}",
             "\"三才\":\"木火木\"", "\"simplifiedTotal\":14", "\"elementsText\":\"火金木\"" })
        EXPECT_NE(r.out.find(part), std::string::npos) << part << "\n" << r.out;
}

TEST(ScoreCli, CautionsAsJson)
{
    TempDir dir;
    jm::test::FixtureBuilder builder = FixtureBuilder::standard();
    const auto db = jm::test::addAdviceFixture(builder, true).write(dir.path() / "a.db");
    const auto warned = runCli("score 杜 子腾 --sex 男 --json --db " + shellQuote(db.string()));
    ASSERT_EQ(warned.status, 0) << warned.out;
    EXPECT_NE(
        warned.out.find("\"cautions\":[{\"kind\":\"谐音\",\"text\":\"“杜子腾”读起来像“肚子疼”，容易被人取笑。\"}"),
        std::string::npos)
        << warned.out;
    const auto clean = runCli("score 王 嘉诚 --sex 男 --json --db " + shellQuote(db.string()));
    EXPECT_NE(clean.out.find("\"cautions\":[]}"), std::string::npos) << clean.out;
    EXPECT_NE(runCli("score 王 嘉诚 --sex 其他 --db " + shellQuote(db.string())).status, 0);
}

TEST(ScoreCli, BadInputFailsClearly)
{
    TempDir dir;
    const auto db = FixtureBuilder::standard().write(dir.path() / "f.db");
    struct Case {
        std::string args;
        const char* message;
    };
    const Case cases[] = {
        { "score '' 三丰 --db " + shellQuote(db.string()), "请输入姓氏" },
        { "score 张 '  ' --db " + shellQuote(db.string()), "请输入名字" },
        { "score 张 三丰 --db " + shellQuote((dir.path() / "none.db").string()), "not found" },
        { "score 张", "usage" },
        { "score 张 三丰 --db", "needs a value" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        const auto r = runCli(c.args);
        EXPECT_NE(r.status, 0);
        EXPECT_NE(r.out.find(c.message), std::string::npos) << r.out;
    }
}
