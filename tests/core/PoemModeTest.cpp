#include "generate/PoemMode.h"
#include "data/Bootstrap.h"
#include "generate/GenerationWorker.h"
#include "scoring/NameScorer.h"
#include "scoring/Pages.h"
#include "settings/Paths.h"
#include "support/PoemFixture.h"
#include "text/Text.h"

#include <gtest/gtest.h>

#include <set>

using namespace jm;
using jm::test::FixtureBuilder;
using jm::test::TempDir;

namespace {

struct MessageSink : GenerationSink {
    std::vector<GenerationMessage> messages;
    void onEvent(GenerationEvent& event) override
    {
        if (const auto* e = std::get_if<generation_event::Message>(&event)) messages.push_back(e->message);
    }
};

class PoemMode : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new TempDir;
        s_db = new NameDatabase;
        FixtureBuilder b = FixtureBuilder::standard();
        const auto file = jm::test::addPoems(b).write(s_dir->path() / "poems.db");
        ASSERT_TRUE(bootstrapDatabase(*s_db, file.string()).ok());
    }
    static void TearDownTestSuite()
    {
        delete s_db;
        delete s_dir;
    }
    static GenerationResult run(const std::vector<std::string>& checked, const std::string& surname, int length = 2)
    {
        GenerationRequest r;
        r.showAllNames = true; // the literal poem list
        r.mode = GenerationMode::Poem;
        r.surname = surname;
        r.nameLength = length;
        r.poem.characters = checked;
        MessageSink sink;
        RunControl control;
        GenerationResult result = GenerationWorker(*s_db, control).run(r, sink);
        s_messages = sink.messages;
        return result;
    }
    static std::vector<std::string> names(const GenerationResult& result)
    {
        std::vector<std::string> out;
        for (const NameRow& row : result.rows())
            out.push_back(row[NameRow::Name]);
        return out;
    }

    static TempDir* s_dir;
    static NameDatabase* s_db;
    static std::vector<GenerationMessage> s_messages;
};
TempDir* PoemMode::s_dir = nullptr;
NameDatabase* PoemMode::s_db = nullptr;
std::vector<GenerationMessage> PoemMode::s_messages;

} // namespace

TEST_F(PoemMode, PoetsInOrderIdOrderAndPoemsOfOnePoet)
{
    EXPECT_EQ(loadPoets(*s_db), (std::vector<std::string> { "李白", "王维", "无名" }));
    const auto poems = loadPoems(*s_db, "李白");
    ASSERT_EQ(poems.size(), 2u);
    EXPECT_EQ(poems[0].id, 10);
    EXPECT_EQ(poems[0].title, "山中");
    EXPECT_EQ(poems[1].title, "长诗");
    // A poet without poems reads as one empty row, like every list of the program.
    const auto none = loadPoems(*s_db, "无名");
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(none[0].title, "");
    EXPECT_FALSE(loadPoem(*s_db, none[0].id));
    // A quote in a value is bound, not spliced into the query.
    EXPECT_EQ(loadPoems(*s_db, "李\"白")[0].title, "");
}

TEST_F(PoemMode, OneTitleTwoPoetsEachGetsTheirOwnPoem)
{
    const auto li = findPoem(*s_db, "李白", "山中");
    const auto wang = findPoem(*s_db, "王维", "山中");
    ASSERT_TRUE(li && wang);
    EXPECT_EQ(li->content, jm::test::kLiBaiShanZhong);
    EXPECT_EQ(wang->content, jm::test::kWangWeiShanZhong);
    EXPECT_EQ(loadPoem(*s_db, wang->id)->content, jm::test::kWangWeiShanZhong);
    EXPECT_FALSE(findPoem(*s_db, "无名", "山中"));

    // The page: heading poet:title, a break after every "。", written as GBK.
    TempDir dir;
    ASSERT_TRUE(writePoemPage(*wang, dir.path()));
    const auto bytes = readFileBytes(pageFilePath(dir.path(), 0));
    ASSERT_TRUE(bytes);
    EXPECT_EQ(fromGbk(*bytes), poemPage(*wang));
    EXPECT_EQ(poemPage(*wang),
        "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">"
        "<title>王维:山中</title></head><body><b>王维:山中</b><br><br>金山阿强，王伟华丰三。<br></body></html>");
}

TEST_F(PoemMode, BoxesAndTheirDefaultChecks)
{
    const auto characters = poemBoxCharacters(jm::test::kLongPoem);
    EXPECT_EQ(characters.size(), 31u) << "punctuation removed, repeats kept";
    EXPECT_EQ(characters.front(), "明");
    EXPECT_EQ(std::count(characters.begin(), characters.end(), "明"), 3);
    const auto poem = loadPoem(*s_db, 12);
    ASSERT_TRUE(poem);
    EXPECT_EQ(defaultCheckedCharacters(*poem), (std::vector<std::string>(3, "明")))
        << "only characters marked in 首字母; 李 is marked but not in the poem";
    EXPECT_FALSE(checkedByDefault("", "明"));
}

TEST(PoemCandidateText, EachCharacterOnceAndTheSurnameOnce)
{
    struct Case {
        std::vector<std::string> checked;
        std::string surname;
        std::string want;
    };
    const Case cases[] = {
        { { "明", "海", "明", "海" }, "李", "明海李" },
        { { "明", "李", "海" }, "李", "明李海" }, // the surname ticked in the poem is not appended again
        { {}, "李", "李" },
        { { "欧", "明", "阳" }, "欧阳", "欧明阳欧阳" }, // a two-character surname counts as one text
        { { "明" }, "", "明" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.want);
        EXPECT_EQ(poemCandidateText(c.checked, c.surname), c.want);
    }
}

TEST_F(PoemMode, RunListsEveryCombinationOfTheTickedCharactersSorted)
{
    const GenerationResult result = run({ "明", "李", "海", "明", "丁" }, "李");
    EXPECT_EQ(result.candidateCharacters, (std::vector<std::string> { "明", "李", "海", "丁" }));
    // 丁 has no element: it never starts a name but may end one. Names with
    // the surname are dropped; threshold 0 keeps all the others.
    const std::vector<std::string> got = names(result);
    EXPECT_EQ(std::multiset<std::string>(got.begin(), got.end()),
        (std::multiset<std::string> { "李明明", "李明海", "李明丁", "李海明", "李海海", "李海丁" }));
    for (std::size_t r = 0; r < result.rowCount(); ++r) {
        EXPECT_EQ(result.row(r)[NameRow::Number], std::to_string(r + 1));
        if (r) {
            EXPECT_GE(result.row(r - 1).sortKey, result.row(r).sortKey);
        }
    }
    // Same inputs, same rows: a second run lists them once again, not added.
    EXPECT_EQ(names(run({ "明", "李", "海", "明", "丁" }, "李")), got);

    const std::vector<std::string> one = names(run({ "明", "海" }, "李", 1));
    EXPECT_EQ(std::multiset<std::string>(one.begin(), one.end()), (std::multiset<std::string> { "李明", "李海" }));
    ASSERT_FALSE(s_messages.empty());
    EXPECT_EQ(s_messages.back().text, "一字名数理得分较低,所以软件自动降低评分标准!");
}
