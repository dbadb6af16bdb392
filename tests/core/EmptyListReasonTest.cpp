// Why a run listed nothing: decided once in the core for the window and the command line.
#include "generate/EmptyListReason.h"
#include "data/Bootstrap.h"
#include "generate/GenerationWorker.h"
#include "support/ListFixture.h"

#include <gtest/gtest.h>

#include <functional>

using namespace jm;
using jm::test::TempDir;

namespace {

class EmptyListReason : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new TempDir;
        s_db = new NameDatabase;
        ASSERT_TRUE(bootstrapDatabase(*s_db, jm::test::listFixture().write(s_dir->path() / "l.db").string()).ok());
    }
    static void TearDownTestSuite()
    {
        delete s_db;
        delete s_dir;
    }
    static GenerationResult run(const GenerationRequest& request)
    {
        RunControl control;
        GenerationSink sink;
        return GenerationWorker(*s_db, control).run(request, sink);
    }
    static GenerationRequest request(GenerationMode mode, const std::string& surname = "张")
    {
        GenerationRequest r;
        r.mode = mode;
        r.surname = surname;
        r.seed = 3;
        return r;
    }
    static TempDir* s_dir;
    static NameDatabase* s_db;
};
TempDir* EmptyListReason::s_dir = nullptr;
NameDatabase* EmptyListReason::s_db = nullptr;

} // namespace

TEST_F(EmptyListReason, RealRunsThatListNothingSayWhy)
{
    struct Case {
        const char* what;
        GenerationMode mode;
        const char* surname;
        std::function<void(GenerationRequest&)> set;
        const char* says;
    };
    const Case cases[] = {
        { "super-lucky, no filter switched on", GenerationMode::SuperLucky, "张", [](GenerationRequest&) {},
            "没有打开任何五行限定" },
        { "super-lucky, 金 both required and forbidden", GenerationMode::SuperLucky, "张",
            [](GenerationRequest& r) {
                r.superLucky.allMustHave = { true, "金" };
                r.superLucky.noneMayHave = { true, "金" };
            },
            "按所选的五行限定没有可用的字" },
        { "poem, nothing ticked", GenerationMode::Poem, "张", [](GenerationRequest&) {}, "没有勾选诗词中的字" },
        { "combination box empty", GenerationMode::Combination, "张",
            [](GenerationRequest& r) { r.combination.characters.clear(); }, "除了姓氏没有别的汉字" },
        { "combination box of the surname and Latin letters only", GenerationMode::Combination, "张",
            [](GenerationRequest& r) { r.combination.characters = "张 ab1"; }, "除了姓氏没有别的汉字" },
        { "辈份 equal to the surname", GenerationMode::HighScore, "张",
            [](GenerationRequest& r) {
                r.generationCharacter.kind = GenerationCharacterSetting::Kind::Second;
                r.generationCharacter.secondCharacter = "张";
            },
            "辈份字“张”含有姓氏“张”" },
        { "every nickname holds the surname", GenerationMode::Nickname, "小",
            [](GenerationRequest& r) { r.nickname.pattern = NicknamePattern::XiaoA; }, "每个候选名字都含有姓氏“小”" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GenerationRequest r = request(c.mode, c.surname);
        c.set(r);
        const GenerationResult result = run(r);
        ASSERT_EQ(result.rowCount(), 0u);
        EXPECT_NE(emptyListReason(result).find(c.says), std::string::npos) << emptyListReason(result);
    }
}

TEST_F(EmptyListReason, CountsOfARunDecideTheRest)
{
    GenerationResult base;
    base.request = request(GenerationMode::SuperLucky);
    base.request.superLucky.secondCharacter = { true, "金" };
    base.candidateCount = base.examinedCount = 40;

    GenerationResult threshold = base;
    threshold.threshold = 100;
    EXPECT_NE(emptyListReason(threshold).find("检查了 40 个名字，没有一个达到 100 分"), std::string::npos);

    GenerationResult leftOut = base;
    leftOut.excluded[static_cast<std::size_t>(Exclusion::Unfit)] = 30;
    leftOut.excluded[static_cast<std::size_t>(Exclusion::SurnameInside)] = 10;
    EXPECT_NE(emptyListReason(leftOut).find("显示全部名字"), std::string::npos) << "the menu item that lists them";

    GenerationResult english;
    english.request = request(GenerationMode::English);
    english.request.english.givenName = "明";
    EXPECT_NE(emptyListReason(english).find("“明”"), std::string::npos);
}

TEST_F(EmptyListReason, NoReasonForAListedStoppedOrTextRun)
{
    GenerationRequest super = request(GenerationMode::SuperLucky);
    super.superLucky.secondCharacter = { true, "" };
    const GenerationResult listed = run(super);
    ASSERT_NE(listed.rowCount(), 0u);
    EXPECT_EQ(emptyListReason(listed), "");

    GenerationResult stopped;
    stopped.request = request(GenerationMode::SuperLucky); // no filter, but the user stopped it first
    stopped.stopped = true;
    EXPECT_EQ(emptyListReason(stopped), "");
    EXPECT_EQ(emptyListReason(run(request(GenerationMode::Classic))), "");
}
