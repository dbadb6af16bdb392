#include "settings/Paths.h"
#include "support/CliRunner.h"
#include "support/PoemFixture.h"
#include "text/Text.h"

#include <gtest/gtest.h>

using jm::test::FixtureBuilder;
using jm::test::runCli;
using jm::test::shellQuote;
using jm::test::TempDir;

namespace {

class PoemEnglishCli : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new TempDir;
        FixtureBuilder b = FixtureBuilder::standard();
        jm::test::addPoems(b);
        b.row("NM_EName", { "1", "c", "ch", "Charles", "7", "1", "查尔斯", "全名", "英语", "男子汉" });
        b.row("NM_EName", { "2", "c", "", "Carl", "4", "1", "卡尔", "全名", "英语", "农夫" });
        b.row("NM_EName", { "3", "c", "ch", "Chloe", "5", "2", "克洛伊", "全名", "希腊语", "嫩芽" });
        s_db = new std::string(" --db " + shellQuote(b.write(s_dir->path() / "f.db").string()));
    }
    static void TearDownTestSuite()
    {
        delete s_db;
        delete s_dir;
    }
    static TempDir* s_dir;
    static std::string* s_db;
};
TempDir* PoemEnglishCli::s_dir = nullptr;
std::string* PoemEnglishCli::s_db = nullptr;

} // namespace

TEST_F(PoemEnglishCli, PoemByPoetAndTitleWithDefaultOrGivenCharacters)
{
    // 王维's 山中 marks 金 and 王; 李白's poem of the same title is not used.
    const auto marked
        = runCli("generate --surname 李 --sex 男 --length 1 --mode poem --poet 王维 --title 山中" + *s_db);
    ASSERT_EQ(marked.status, 0) << marked.out;
    EXPECT_NE(marked.out.find("\t李金\t"), std::string::npos) << marked.out;
    EXPECT_NE(marked.out.find("\t李王\t"), std::string::npos);
    EXPECT_EQ(marked.out.find("\t李明\t"), std::string::npos);

    const auto given = runCli(
        "generate --surname 李 --sex 男 --length 1 --mode poem --poet 李白 --title 山中 --chars 海海李" + *s_db);
    ASSERT_EQ(given.status, 0) << given.out;
    EXPECT_NE(given.out.find("1\t李海\t"), std::string::npos) << given.out;
    EXPECT_EQ(given.out.find("\n2\t"), std::string::npos) << "海 once, the surname never";

    const auto missing
        = runCli("generate --surname 李 --sex 男 --length 2 --mode poem --poet 王维 --title 长诗" + *s_db);
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.out.find("no poem titled 长诗 by 王维"), std::string::npos) << missing.out;
    EXPECT_EQ(runCli("generate --surname 李 --sex 男 --length 2 --mode poem --title 山中" + *s_db).status, 2);
}

TEST_F(PoemEnglishCli, EnglishNamesWithTheirFourColumns)
{
    const auto file = s_dir->path() / "EnglishNameList.txt";
    const auto r = runCli(
        "generate --surname 李 --mode english --given 强 --style 男性化 --export " + shellQuote(file.string()) + *s_db);
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out, "编号\t英文名\t中文读音\t相关含义\n1\tCharles\t查尔斯\t男子汉\n");
    EXPECT_EQ(jm::readFileBytes(file).value_or(""),
        jm::toGbk("编号    英文名    中文读音    相关含义\r\n1    Charles    查尔斯    男子汉\r\n"));
    const auto json = runCli("generate --surname 李 --mode english --given 强 --style 女性化 --format json" + *s_db);
    EXPECT_EQ(json.out,
        "{\"surname\":\"李\",\"given\":\"强\",\"style\":2,\"mode\":\"english\",\"rows\":[{\"编号\":\"1\","
        "\"英文名\":\"Chloe\",\"中文读音\":\"克洛伊\",\"相关含义\":\"嫩芽\"}]}\n");
    const auto bad = runCli("generate --surname 李 --mode english --given 强 --style 阳刚" + *s_db);
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.out.find("--style must be"), std::string::npos);
    EXPECT_EQ(runCli("generate --surname 李 --mode english" + *s_db).status, 2);
}

TEST_F(PoemEnglishCli, EnglishNamesWithinTheLengthBounds)
{
    // 强 is q, English ch: Charles (7 letters) is the one male name.
    const auto shortOnes = runCli("generate --surname 李 --mode english --given 强 --style 1 --max-length 6" + *s_db);
    ASSERT_EQ(shortOnes.status, 0) << shortOnes.out;
    EXPECT_TRUE(shortOnes.out.starts_with("编号\t英文名\t中文读音\t相关含义\n")) << shortOnes.out;
    EXPECT_EQ(shortOnes.out.find("\n1\t"), std::string::npos);
    EXPECT_NE(shortOnes.out.find("没有找到与“强”首字读音相近"), std::string::npos) << "an empty list says why";
    const auto exact
        = runCli("generate --surname 李 --mode english --given 强 --style 1 --min-length 7 --max-length 7" + *s_db);
    EXPECT_EQ(exact.out, "编号\t英文名\t中文读音\t相关含义\n1\tCharles\t查尔斯\t男子汉\n");
    for (const char* bad : { " --min-length 0", " --max-length x", " --min-length 3a", " --max-length 100" }) {
        const auto r = runCli("generate --surname 李 --mode english --given 强" + std::string(bad) + *s_db);
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_NE(r.out.find("must be a number of letters"), std::string::npos) << bad << r.out;
    }
}

TEST_F(PoemEnglishCli, PoemsListsByPoetAndTitle)
{
    struct Case {
        std::string args;
        int status;
        std::string out;
    };
    const Case cases[] = {
        { "poems --poet 李白", 0, "10\t李白\t山中\n12\t李白\t长诗\n" },
        { "poems --poet 李 --title 长", 0, "12\t李白\t长诗\n" },
        { "poems --poet 王 --title 山", 0, "11\t王维\t山中\n" },
        // 无名 has no poems; nobody is called 杜.
        { "poems --poet 无名", 1, "no poem" },
        { "poems --poet 杜", 1, "no poem" },
        { "poems --title 山中", 2, "usage" },
        { "poems 李白", 2, "usage" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        const auto r = runCli(c.args + *s_db);
        EXPECT_EQ(r.status, c.status);
        if (c.status == 0)
            EXPECT_EQ(r.out, c.out);
        else
            EXPECT_NE(r.out.find(c.out), std::string::npos) << r.out;
    }
}
