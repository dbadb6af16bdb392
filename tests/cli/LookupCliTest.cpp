#include "support/CliRunner.h"
#include "support/FixtureDatabase.h"

#include <gtest/gtest.h>

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

TEST(LookupCli, PrintsTheDictionaryEntry)
{
    TempDir dir;
    FixtureBuilder b;
    b.row("NM_CNWord",
        { "1", "1", "喆", "喆", "喆", "12", "12", "zhe", "zhé", "zh", "e", "口", "金", "fkfk",
            "读音：zhé<br>英文释义：a sage", "同“哲”。<br>组词：喆人" });
    b.row("NM_CNWord", { "2", "2", "丰", "丰", "豐", "4", "18", "feng", "fēng", "f", "eng", "丨", "木", "", "", "" });
    const auto db = shellQuote(b.write(dir.path() / "f.db").string());

    const auto r = runCli("lookup 喆 --db " + db);
    ASSERT_EQ(r.status, 0) << r.out;
    for (const char* line :
        { "汉字:     喆\n", "拼音:     zhé\n", "部首:     口\n", "简体笔划: 12\n", "繁体笔划: 12\n", "五行:     金\n",
            "基本解释: 读音：zhé\n          英文释义：a sage\n", "详细解释: 同“哲”。\n          组词：喆人\n" })
        EXPECT_TRUE(contains(r.out, line)) << line << "\n" << r.out;

    const auto traditional = runCli("lookup 丰 --db " + db);
    EXPECT_TRUE(contains(traditional.out, "简体笔划: 4\n繁体笔划: 18\n")) << traditional.out;
}

TEST(LookupCli, MissingCharacterAndBadArguments)
{
    TempDir dir;
    const auto db = shellQuote(FixtureBuilder::standard().write(dir.path() / "f.db").string());
    struct Case {
        std::string args;
        int status;
        const char* message;
    };
    const Case cases[] = {
        { "lookup 龘 --db " + db, 1, "not in the dictionary" },
        { "lookup 张三 --db " + db, 1, "not in the dictionary" },
        { "lookup --db " + db, 2, "usage" },
        { "lookup 张 三 --db " + db, 2, "usage" },
        { "lookup 张 --db", 2, "needs a value" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        const auto r = runCli(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_TRUE(contains(r.out, c.message)) << r.out;
    }
}
