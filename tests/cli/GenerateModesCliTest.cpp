// jiaming-cli generate --mode super|combo|nickname|classic, --export and the word on an empty list.
#include "settings/Paths.h"
#include "support/CliRunner.h"
#include "support/ListDatabaseSuite.h"
#include "text/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

using jm::test::runCli;
using jm::test::shellQuote;
using jm::test::TempDir;

namespace {

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

class GenerateModesCli : public jm::test::ListDatabaseSuite {
protected:
    static std::string generate(const std::string& args, const std::string& surname = "张",
        const std::string& sex = "男", const std::string& length = "2")
    {
        return "generate --surname " + surname + " --sex " + sex + " --length " + length + " --seed 4 --db " + *s_db
            + " " + args;
    }
};

} // namespace

TEST_F(GenerateModesCli, SuperLuckyFiltersAndExport)
{
    const auto file = s_dir->path() / "100NameList.txt";
    const auto r = runCli(generate(
        "--mode super --filter second:木金 --filter third:水 --export " + shellQuote(file.string()) + " 2>/dev/null"));
    ASSERT_EQ(r.status, 0) << r.out.substr(0, 300);
    const auto rows = lines(r.out);
    ASSERT_GT(rows.size(), 1u);
    // 张 has 11 traditional strokes: heaven 12, graded 凶, so 98 is the bar.
    for (std::size_t i = 1; i < rows.size(); ++i)
        ASSERT_GE(std::stoi(rows[i].substr(rows[i].rfind('\t') + 1)), 98);

    // The export holds the same rows, GBK, four spaces between cells, CR LF.
    std::string want = "编号    姓名    简体笔划    繁体笔划    五行    五格    三才    评分\r\n";
    for (std::size_t i = 1; i < rows.size(); ++i) {
        std::string line = rows[i];
        jm::replaceAll(line, "\t", "    ");
        want += line + "\r\n";
    }
    EXPECT_EQ(jm::readFileBytes(file).value_or(""), jm::toGbk(want));

    // Nothing listed: the header, then the reason (on the error stream).
    const auto none = runCli(generate("--mode super"));
    EXPECT_EQ(lines(none.out).size(), 2u) << "no filter switched on: nothing listed";
    const auto clash = runCli(generate("--mode super --filter must:金 --filter none:金"));
    EXPECT_EQ(lines(clash.out).size(), 2u);
    const auto mustAny = runCli(generate("--mode super --filter must: 2>/dev/null"));
    EXPECT_GT(lines(mustAny.out).size(), rows.size()) << "must-have with no box: every element";
}

TEST_F(GenerateModesCli, CombinationAndNickname)
{
    const auto combo
        = runCli("generate --surname 王 --sex 男 --length 2 --mode combo --chars '李 明A1华' --db " + *s_db);
    ASSERT_EQ(combo.status, 0);
    EXPECT_EQ(lines(combo.out).size(), 10u) << "李 明 华 paired with each other: 9 names";
    EXPECT_EQ(combo.out.find("王王"), std::string::npos);

    const auto xiao = runCli(generate("--mode nickname --pattern 小A", "小"));
    ASSERT_EQ(xiao.status, 0) << xiao.out;
    EXPECT_TRUE(xiao.out.starts_with("编号\t姓名\t简体笔划\t繁体笔划\t五行\t五格\t三才\t评分\n"));
    EXPECT_EQ(lines(xiao.out).size(), 2u) << "the header, then why: every 小A contains the surname 小";
    const auto er = runCli(generate("--mode nickname --pattern A儿"));
    const auto erRows = lines(er.out);
    ASSERT_GT(erRows.size(), 2000u);
    for (std::size_t i = 1; i < erRows.size(); ++i) {
        const auto name = erRows[i].substr(erRows[i].find('\t') + 1);
        ASSERT_TRUE(name.starts_with("张") && name.substr(0, name.find('\t')).ends_with("儿")) << erRows[i];
    }
}

TEST_F(GenerateModesCli, ClassicPrintsTheTextAndExportsItUnchanged)
{
    const auto file = s_dir->path() / "ClassNameList.txt";
    const auto r = runCli(generate("--mode classic --all --export " + shellQuote(file.string()), "张", "女", "1"));
    ASSERT_EQ(r.status, 0) << r.out.substr(0, 200);
    EXPECT_TRUE(r.out.ends_with("   ")) << "the text ends with the last name's separator";
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 2 * (294 / 16));
    EXPECT_NE(r.out.find("   \r\n\r\n张"), std::string::npos);
    EXPECT_EQ(jm::readFileBytes(file).value_or(""), jm::toGbk(r.out));
    EXPECT_EQ(
        runCli(generate("--mode classic --seed 5")).out.size(), runCli(generate("--mode classic --seed 6")).out.size());
}

TEST_F(GenerateModesCli, BadModeOptions)
{
    const std::pair<std::string, const char*> cases[] = {
        { "--mode super --filter fourth:金", "--filter must be GROUP:ELEMENTS" },
        { "--mode super --filter must", "--filter must be GROUP:ELEMENTS" },
        { "--mode super --filter must:金石", "must be among 金木水火土" },
        { "--mode nickname --pattern ABC", "--pattern must be" },
    };
    for (const auto& [args, message] : cases) {
        SCOPED_TRACE(args);
        const auto r = runCli(generate(args));
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.out.find(message), std::string::npos) << r.out;
    }
}

TEST_F(GenerateModesCli, AnEmptyListSaysWhyAndStillSucceeds)
{
    const std::pair<std::string, const char*> cases[] = {
        { "--mode super", "没有打开任何五行限定" },
        { "--mode combo --chars abc", "除了姓氏没有别的汉字" },
        { "--mode high --generation-char second:张", "辈份字“张”含有姓氏“张”" },
    };
    for (const auto& [args, reason] : cases) {
        SCOPED_TRACE(args);
        const auto r = runCli(generate(args));
        EXPECT_EQ(r.status, 0);
        EXPECT_NE(r.out.find("编号\t姓名"), std::string::npos);
        EXPECT_EQ(r.out.find("\n1\t"), std::string::npos) << "the list: its header alone";
        EXPECT_NE(lines(r.out).back().find(reason), std::string::npos) << r.out;
    }
}

TEST_F(GenerateModesCli, EveryListModeExports)
{
    for (const char* mode : { "combo --chars 李明华", "nickname --pattern A儿" }) {
        SCOPED_TRACE(mode);
        const auto file = s_dir->path() / "list.txt";
        const auto r = runCli(generate(std::string("--mode ") + mode + " --export " + shellQuote(file.string())));
        ASSERT_EQ(r.status, 0) << r.out.substr(0, 300);
        std::string want = r.out;
        jm::replaceAll(want, "\t", "    ");
        jm::replaceAll(want, "\n", "\r\n");
        EXPECT_EQ(jm::readFileBytes(file).value_or(""), jm::toGbk(want));
    }
}
