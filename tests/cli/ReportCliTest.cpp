#include "settings/Paths.h"
#include "support/CliRunner.h"
#include "support/FixtureDatabase.h"
#include "text/Text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using jm::test::FixtureBuilder;
using jm::test::runCli;
using jm::test::shellQuote;
using jm::test::TempDir;

namespace {

bool contains(const std::string& text, std::string_view part)
{
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(ReportCli, WritesTheReportAsGbk)
{
    TempDir dir;
    // 喆 is outside GB2312 but inside GBK.
    const auto db = FixtureBuilder::standard().character({ "喆", 12, 12, "火" }).write(dir.path() / "f.db");
    std::filesystem::create_directory(dir.path() / "out"); // the folder of --out must exist
    const auto page = dir.path() / "out" / "张喆.html";
    const auto r = runCli("report 张 喆 --out " + shellQuote(page.string()) + " --db " + shellQuote(db.string()));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_TRUE(contains(r.out, "评分: "));
    const auto bytes = jm::readFileBytes(page);
    ASSERT_TRUE(bytes);
    EXPECT_TRUE(contains(*bytes, "charset=gb2312"));
    EXPECT_TRUE(contains(*bytes, jm::toGbk("<span class=\"fontcolor1\">喆</span>")));
    const std::string text = jm::fromGbk(*bytes);
    EXPECT_TRUE(contains(text, "天格-&gt; 12(木)"));
    EXPECT_TRUE(contains(text, "[ 结果来源于： 嘉名 ]"));
}

TEST(ReportCli, BadInputFailsClearly)
{
    TempDir dir;
    const auto dbPath = FixtureBuilder::standard().write(dir.path() / "f.db");
    const auto db = shellQuote(dbPath.string());
    const auto out = shellQuote((dir.path() / "r.html").string());
    struct Case {
        std::string args;
        const char* message;
    };
    const Case cases[] = {
        { "report 张 三丰 --db " + db, "usage" },
        { "report 张 --out " + out + " --db " + db, "usage" },
        { "report '' 三丰 --out " + out + " --db " + db, "请输入姓氏" },
        { "report 张 ' ' --out " + out + " --db " + db, "请输入名字" },
        { "report 张 三丰 --out " + shellQuote((dbPath / "x" / "r.html").string()) + " --db " + db, "无法写入" },
        { "report 张 三丰 --out", "needs a value" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        const auto r = runCli(c.args);
        EXPECT_NE(r.status, 0);
        EXPECT_TRUE(contains(r.out, c.message)) << r.out;
    }
}

TEST(ScoreCli, SingleSurnameYuCountsItsSimplifiedStrokes)
{
    TempDir dir;
    FixtureBuilder b;
    b.character({ "于", 3, 8, "土" }).character({ "明", 8, 8, "火" }).standardGrades();
    const auto db = shellQuote(b.write(dir.path() / "f.db").string());
    const auto single = runCli("score 于 明 --json --db " + db);
    ASSERT_EQ(single.status, 0) << single.out;
    EXPECT_TRUE(contains(single.out, "\"grids\":{\"天格\":4,\"人格\":11,\"地格\":9,\"总格\":11,\"外格\":2}"))
        << single.out;
    const auto given = runCli("score 明 于 --json --db " + db);
    EXPECT_TRUE(contains(given.out, "\"grids\":{\"天格\":9,\"人格\":16,")) << given.out;
}
