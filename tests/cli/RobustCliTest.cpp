// The command line as a script sees it: --help everywhere, exit 2 for every
// bad input, valid UTF-8 out, and files written only where they belong.
#include "settings/Paths.h"
#include "support/CliRunner.h"
#include "support/FixtureDatabase.h"
#include "text/Text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>

using jm::test::FixtureBuilder;
using jm::test::runCli;
using jm::test::shellQuote;
using jm::test::TempDir;
namespace fs = std::filesystem;

namespace {

bool contains(const std::string& text, std::string_view part)
{
    return text.find(part) != std::string::npos;
}

class RobustCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_db = shellQuote(
            FixtureBuilder::standard().character({ "龘", 48, 48, "火" }).write(m_dir.path() / "f.db").string());
    }
    std::string db() const { return " --db " + m_db; }
    const fs::path& dir() const { return m_dir.path(); }

private:
    TempDir m_dir;
    std::string m_db;
};

} // namespace

TEST_F(RobustCli, HelpForTheProgramAndEveryCommand)
{
    const auto program = runCli("--help");
    EXPECT_EQ(program.status, 0);
    EXPECT_TRUE(contains(program.out, "usage: jiaming-cli COMMAND"));
    for (const char* command : { "score", "report", "generate", "lookup", "lunar", "chart" }) {
        SCOPED_TRACE(command);
        const auto r = runCli(std::string(command) + " --help");
        EXPECT_EQ(r.status, 0) << r.out;
        EXPECT_TRUE(contains(r.out, std::string("usage: jiaming-cli ") + command)) << r.out;
    }
    EXPECT_TRUE(contains(runCli("generate -h").out, "--mode super [--filter"));
}

TEST_F(RobustCli, BadCommandLinesExitWithTwo)
{
    struct Case {
        std::string args;
        const char* message;
    };
    const Case cases[] = {
        { "generate --surname '' --sex 男 --length 2 --mode high", "请输入姓氏" },
        { "generate --surname 龍 --sex 男 --length 2 --mode high", "“龍”" },
        { "generate --surname 张三丰 --sex 男 --length 2 --mode high", "最多2个字" },
        { "generate --surname 张 --sex 男 --length 2 --mode high --generation-char second:明明", "只能是一个字" },
        { "generate --surname 张 --sex 男 --length 2 --mode high --filter must:金",
            "--filter does not apply to --mode high" },
        { "generate --surname 张 --sex 男 --length 2 --mode combo --pattern AA", "--pattern does not apply" },
        { "generate --surname 张 --sex 男 --length 2 --mode high --colour red", "unknown option --colour" },
        { "score 张 三 --verbose", "unknown option --verbose" },
        { "report 张 三 --out x.html --json", "unknown option --json" },
        { "score 张 " + shellQuote("\xC3\x28"), "not valid UTF-8" },
        { "generate --surname 张 --mode english --given " + shellQuote("a\xFF") + " --format json", "not valid UTF-8" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        const auto r = runCli(c.args + db());
        EXPECT_EQ(r.status, 2) << r.out.substr(0, 600);
        EXPECT_TRUE(contains(r.out, c.message)) << r.out.substr(0, 600);
    }
}

TEST_F(RobustCli, TraditionalInputAndNumbersPast81)
{
    const auto traditional = runCli("score 張 三豐" + db());
    const auto simplified = runCli("score 张 三丰" + db());
    ASSERT_EQ(traditional.status, 0) << traditional.out;
    EXPECT_TRUE(contains(traditional.out, "姓名: 张三丰（張三豐）")) << traditional.out;
    EXPECT_EQ(traditional.out.substr(traditional.out.find('\n')), simplified.out.substr(simplified.out.find('\n')));

    const auto past81 = runCli("score 张 龘龘" + db());
    ASSERT_EQ(past81.status, 0) << past81.out;
    EXPECT_TRUE(contains(past81.out, "总格: 107（按27论）")) << past81.out;

    const auto json = runCli("score 張 三豐 --json" + db());
    ASSERT_EQ(json.status, 0);
    EXPECT_TRUE(jm::isValidUtf8(json.out));
}

TEST_F(RobustCli, OutputGoesOnlyToRegularFiles)
{
    const fs::path fifo = dir() / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const fs::path folder = dir() / "folder";
    fs::create_directory(folder);
    const fs::path readOnly = dir() / "read-only.html";
    std::ofstream(readOnly) << "keep";
    ::chmod(readOnly.c_str(), 0444);
    const fs::path real = dir() / "real.html";
    std::ofstream(real) << "old";
    const fs::path link = dir() / "link.html";
    fs::create_symlink(real, link);

    for (const fs::path& target : { fifo, folder, readOnly, dir() / "missing" / "dir" / "x.html" }) {
        SCOPED_TRACE(target.string());
        const auto r = runCli("report 张 三丰 --out " + shellQuote(target.string()) + db());
        EXPECT_EQ(r.status, 1) << r.out;
        EXPECT_TRUE(contains(r.out, "无法写入")) << r.out;
    }
    EXPECT_EQ(fs::symlink_status(fifo).type(), fs::file_type::fifo);
    EXPECT_EQ(*jm::readFileBytes(readOnly), "keep");
    EXPECT_FALSE(fs::exists(dir() / "missing"));

    const auto exported = runCli("generate --surname 张 --sex 男 --length 1 --mode high --export "
        + shellQuote((dir() / "nonexistent" / "x.txt").string()) + db());
    EXPECT_EQ(exported.status, 1) << exported.out.substr(0, 300);
    EXPECT_FALSE(fs::exists(dir() / "nonexistent"));

    const auto followed = runCli("report 张 三丰 --out " + shellQuote(link.string()) + db());
    ASSERT_EQ(followed.status, 0) << followed.out;
    EXPECT_EQ(fs::symlink_status(link).type(), fs::file_type::symlink);
    EXPECT_GT(fs::file_size(real), 1000u);
}
