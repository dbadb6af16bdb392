#include "settings/Paths.h"
#include "support/CliRunner.h"
#include "support/ListDatabaseSuite.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using jm::test::runCli;
using jm::test::shellQuote;
using jm::test::TempDir;

namespace {

std::vector<std::string> split(const std::string& text, char sep)
{
    std::vector<std::string> out;
    std::string item;
    std::istringstream in(text);
    while (std::getline(in, item, sep))
        out.push_back(item);
    return out;
}

using GenerateCli = jm::test::ListDatabaseSuite;

} // namespace

TEST_F(GenerateCli, TsvListsTheHighScoreNamesSortedAndNumbered)
{
    const std::string args = "generate --surname 张 --sex 男 --length 2 --mode high --seed 5 --db " + *s_db;
    const auto r = runCli(args);
    ASSERT_EQ(r.status, 0) << r.out.substr(0, 500);
    const auto lines = split(r.out, '\n');
    ASSERT_GT(lines.size(), 1u);
    EXPECT_EQ(lines[0], "编号\t姓名\t简体笔划\t繁体笔划\t五行\t五格\t三才\t评分");
    ASSERT_EQ(lines.size(), 10001u) << "10000 names reach 90 in this fixture: the list is full";
    int previous = 100;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto cells = split(lines[i], '\t');
        ASSERT_EQ(cells.size(), 8u) << lines[i];
        ASSERT_EQ(cells[0], std::to_string(i));
        ASSERT_TRUE(cells[1].starts_with("张"));
        ASSERT_EQ(cells[1].find("张", 3), std::string::npos) << cells[1];
        ASSERT_EQ(split(cells[5], ',').size(), 5u);
        const int score = std::stoi(cells[7]);
        ASSERT_GE(score, 90);
        ASSERT_LE(score, previous);
        previous = score;
    }
    EXPECT_EQ(runCli(args).out, r.out) << "the same seed gives the same list";
}

TEST_F(GenerateCli, MessagesGoToTheErrorStreamAndJsonCarriesTheRows)
{
    const auto err = s_dir->path() / "err.txt";
    // Piping through cat keeps the program's error stream apart from its output.
    const auto r = runCli("generate --surname 张 --sex 女 --length 1 --mode high --seed 3 --format json --db " + *s_db
        + " 2>" + shellQuote(err.string()) + " | cat");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(jm::readFileBytes(err).value_or(""), "提示: 一字名数理得分较低,所以软件自动降低评分标准!\n");
    EXPECT_TRUE(r.out.starts_with("{\"surname\":\"张\",\"sex\":\"女\",\"length\":1,\"mode\":\"high\",\"seed\":3,"
                                  "\"stopped\":false,\"excluded\":{\"字库未收录\":"))
        << r.out.substr(0, 300);
    EXPECT_NE(r.out.find("},\"rows\":[{\"编号\":\"1\",\"姓名\":\"张"), std::string::npos) << r.out.substr(0, 400);
    EXPECT_NE(r.out.find("\"评分\":"), std::string::npos);
    EXPECT_NE(r.out.find(",\"cautions\":["), std::string::npos) << "every row carries its cautions";
    EXPECT_TRUE(r.out.ends_with("}]}\n"));

    const auto gen = runCli("generate --surname 张 --sex 男 --length 2 --mode high --generation-char third:诸 --db "
        + *s_db + " 2>" + shellQuote(err.string()) + " | cat");
    EXPECT_EQ(jm::readFileBytes(err).value_or(""), "提示: 设定辈份后,产生的名字较少,所以系统将显示全部名字\n");
    const auto lines = split(gen.out, '\n');
    ASSERT_GT(lines.size(), 300u) << "every usable candidate is listed";
    for (std::size_t i = 1; i < lines.size(); ++i)
        ASSERT_TRUE(split(lines[i], '\t')[1].ends_with("诸")) << lines[i];
}

TEST_F(GenerateCli, BadOptionsFailWithUsage)
{
    const std::string base = "generate --surname 张 --db " + *s_db;
    struct Case {
        std::string args;
        const char* message;
    };
    const Case cases[] = {
        { base + " --sex 男 --length 2", "missing --mode" },
        { base + " --sex 男 --length 2 --mode poetry", "unknown mode: poetry" },
        { base + " --sex 中 --length 2 --mode high", "--sex must be" },
        { base + " --sex 男 --length 3 --mode high", "--length must be" },
        { base + " --sex 男 --length 2 --mode high --generation-char fourth:诸", "--generation-char must be" },
        { base + " --sex 男 --length 2 --mode high --generation-char second:", "needs a character" },
        { base + " --sex 男 --length 2 --mode high --seed -1", "--seed must be" },
        { base + " --sex 男 --length 2 --mode high --format xml", "--format must be" },
        { base + " --sex 男 --length 2 --mode high extra", "unexpected argument" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        const auto r = runCli(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.out.find(c.message), std::string::npos) << r.out;
        EXPECT_NE(r.out.find("usage: jiaming-cli generate"), std::string::npos);
    }
    const auto missing = runCli("generate --surname 张 --sex 男 --length 2 --mode high --db "
        + shellQuote((s_dir->path() / "none.db").string()));
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.out.find("not found"), std::string::npos);
}
