// Odd names and broken databases through the command-line front end: every
// case ends with a result or a clear message, never a crash.
#include "support/CliRunner.h"
#include "support/FixtureDatabase.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

using jm::test::FixtureBuilder;
using jm::test::runCli;
using jm::test::shellQuote;
using jm::test::TempDir;

namespace {

std::string repeated(const std::string& piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

} // namespace

TEST(BadInputCli, OddNamesAreRefusedWithAMessageThatNamesTheCharacter)
{
    TempDir dir;
    const std::string db = shellQuote(FixtureBuilder::standard().write(dir.path() / "f.db").string());
    struct Case {
        std::string given;
        std::string message;
    };
    const Case names[] = {
        { "Tom", "最多2个字" }, // too long: refused before the database is read
        { "To", "“T”" }, // ASCII
        { "\xF0\x9F\x98\x80", "“\xF0\x9F\x98\x80”" }, // an emoji
        { "\xF0\xA0\x80\x80", "不是字库里的汉字" }, // U+20000, outside GBK
        { "\xE4\xB8", "UTF-8" }, // a cut UTF-8 sequence
        { repeated("三", 10000), "最多2个字" }, // ten thousand characters: refused, never cut
        { "'\"; drop table NM_CNWord; --", "最多2个字" },
        { "';", "“'”" },
    };
    const auto page = dir.path() / "page.html";
    for (const Case& c : names) {
        SCOPED_TRACE(c.given.substr(0, 40));
        const auto scored = runCli("score 张 " + shellQuote(c.given) + " --db " + db);
        EXPECT_EQ(scored.status, 2) << scored.out.substr(0, 400);
        EXPECT_NE(scored.out.find(c.message), std::string::npos) << scored.out.substr(0, 400);
        EXPECT_LT(scored.out.size(), 400u);

        const auto reported
            = runCli("report 张 " + shellQuote(c.given) + " --out " + shellQuote(page.string()) + " --db " + db);
        EXPECT_EQ(reported.status, 2) << reported.out.substr(0, 400);
        EXPECT_FALSE(std::filesystem::exists(page));
    }
    // The hostile text above was only a value: the table is still there.
    const auto after = runCli("score 张 三丰 --json --db " + db);
    EXPECT_EQ(after.status, 0);
    EXPECT_NE(after.out.find("\"score\""), std::string::npos) << after.out;
}

TEST(BadInputCli, BrokenDatabasesFailWithTheLoadMessage)
{
    TempDir dir;
    const auto good = FixtureBuilder::standard().write(dir.path() / "good.db");
    std::string bytes;
    {
        std::ifstream in(good, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const auto write = [&dir](const char* name, const std::string& content) {
        const auto path = dir.path() / name;
        std::ofstream(path, std::ios::binary) << content;
        return path;
    };
    const std::string attachFailed = "将磁盘数据库附加到内存数据库失败";
    const std::pair<std::filesystem::path, std::string> broken[] = {
        { write("truncated.db", bytes.substr(0, bytes.size() / 2)), attachFailed },
        { write("header-only.db", bytes.substr(0, 100)), attachFailed },
        { write("text.db", repeated("not a database ", 100)), attachFailed },
        // An empty file is a valid empty database to the engine: copying reports the missing table.
        { write("empty.db", ""), "no such table" },
    };
    for (const auto& [path, message] : broken) {
        SCOPED_TRACE(path.filename().string());
        const auto r = runCli("score 张 三丰 --db " + shellQuote(path.string()));
        EXPECT_NE(r.status, 0);
        EXPECT_NE(r.out.find(message), std::string::npos) << r.out;
        EXPECT_EQ(r.out.find("评分"), std::string::npos);
    }
}
