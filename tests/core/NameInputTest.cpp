// The one input check of names, numbers past 81, and the range check of the
// numbers a database brings in.
#include "scoring/NameInput.h"
#include "data/Bootstrap.h"
#include "generate/RequestCheck.h"
#include "scoring/Fortune.h"
#include "scoring/NameAnalysis.h"
#include "support/FixtureDatabase.h"

#include <gtest/gtest.h>

using namespace jm;
using jm::test::FixtureBuilder;
using jm::test::TempDir;

namespace {

class NameInput : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new TempDir;
        s_db = new NameDatabase;
        ASSERT_TRUE(bootstrapDatabase(*s_db, FixtureBuilder::standard().write(s_dir->path() / "f.db").string()).ok());
    }
    static void TearDownTestSuite()
    {
        delete s_db;
        delete s_dir;
    }
    static inline TempDir* s_dir = nullptr;
    static inline NameDatabase* s_db = nullptr;
};

} // namespace

TEST_F(NameInput, GoodAndBadInputs)
{
    enum Part { Surname, Given, Generation };
    struct Case {
        Part part;
        const char* input;
        const char* want; ///< the checked text, or nullptr when refused
        const char* messagePart = "";
    };
    const Case cases[] = {
        { Surname, "张", "张" },
        { Surname, " 张　", "张" }, // ASCII and full-width spaces trimmed
        { Surname, "欧阳", "欧阳" },
        { Surname, "張", "张" }, // traditional, through the 繁体 column
        { Surname, "", nullptr, "请输入姓氏" },
        { Surname, "  ", nullptr, "请输入姓氏" },
        { Surname, "张 ", "张" }, // a trailing space is no second character
        { Surname, "张 三", nullptr, "空格" },
        { Surname, "Li 3", nullptr, "“L”" },
        { Surname, "诸葛阳", nullptr, "最多2个字" }, // never cut to 诸葛
        { Surname, "龘", nullptr, "“龘”不是字库里的汉字" },
        { Surname, "丁", nullptr, "“丁”" }, // listed, but without an element
        { Surname, "\xFF", nullptr, "UTF-8" },
        { Surname, "张\x01", nullptr, "\\u{01}" }, // a control character is shown, not sent raw
        { Given, "三丰", "三丰" },
        { Given, "三豐", "三丰" },
        { Given, "A", nullptr, "“A”" },
        { Given, "张，", nullptr, "“，”" },
        { Given, "三丰伟", nullptr, "最多2个字" },
        { Given, "", nullptr, "请输入名字" },
        { Generation, "明", "明" },
        { Generation, "ab", nullptr, "“a”" }, // the unknown character is named first
        { Generation, "明明", nullptr, "只能是一个字" },
        { Generation, "x", nullptr, "“x”" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        const Result<CheckedText> got = c.part == Surname ? checkSurname(*s_db, c.input)
            : c.part == Given                             ? checkGivenName(*s_db, c.input)
                                                          : checkGenerationCharacter(*s_db, c.input);
        if (c.want) {
            ASSERT_TRUE(got) << got.error();
            EXPECT_EQ(got->text, c.want);
        } else {
            ASSERT_FALSE(got);
            EXPECT_NE(got.error().find(c.messagePart), std::string::npos) << got.error();
        }
    }
}

TEST_F(NameInput, AHugeInputGivesAShortMessage)
{
    std::string huge;
    for (int i = 0; i < 40000; ++i)
        huge += "张";
    const Result<CheckedText> got = checkSurname(*s_db, huge);
    ASSERT_FALSE(got);
    EXPECT_LT(got.error().size(), 200u);
}

TEST_F(NameInput, TraditionalInputScoresAsSimplified)
{
    const auto surname = checkSurname(*s_db, "張");
    const auto given = checkGivenName(*s_db, "三豐");
    ASSERT_TRUE(surname && given);
    const NameAnalysis typed = analyseName(*s_db, surname->text, given->text);
    const NameAnalysis plain = analyseName(*s_db, "张", "三丰");
    EXPECT_EQ(typed.score, plain.score);
    EXPECT_EQ(typed.S1.traditionalForm, "張"); // the report shows both forms
    const std::string page = reportPage(typed);
    EXPECT_NE(page.find("張"), std::string::npos);
    EXPECT_NE(page.find("张"), std::string::npos);
}

TEST_F(NameInput, GenerationRequestsAreCheckedAndNormalised)
{
    GenerationRequest request;
    request.mode = GenerationMode::HighScore;
    request.surname = " 張 ";
    request.generationCharacter.kind = GenerationCharacterSetting::Kind::Second;
    request.generationCharacter.secondCharacter = "明";
    ASSERT_TRUE(checkGenerationRequest(*s_db, request));
    EXPECT_EQ(request.surname, "张");

    for (const char* bad : { "", "A", "张三丰" }) {
        SCOPED_TRACE(bad);
        GenerationRequest r = request;
        r.surname = bad;
        EXPECT_FALSE(checkGenerationRequest(*s_db, r));
        EXPECT_EQ(r.surname, bad) << "a refused request is left as it was";
    }
    GenerationRequest badGeneration = request;
    badGeneration.generationCharacter.secondCharacter = "ab";
    EXPECT_FALSE(checkGenerationRequest(*s_db, badGeneration));
}

TEST(NumbersPast81, ReadAsTheNumberCountedOnFromOne)
{
    const std::pair<int, int> cases[]
        = { { 0, 0 }, { 1, 1 }, { 81, 81 }, { 82, 2 }, { 95, 15 }, { 161, 1 }, { 162, 2 }, { 300, 60 } };
    for (const auto& [n, want] : cases)
        EXPECT_EQ(fortuneTableNumber(n), want) << n;
    EXPECT_EQ(fortuneNumberText(95), "95（按15论）");
    EXPECT_EQ(fortuneNumberText(81), "81");
}

TEST(NumbersPast81, GradeTextsAndScoreComeFromTheReducedNumber)
{
    TempDir dir;
    // 张 11 + 龘 48 + 龘 48: 总格 107, read as 27.
    const auto file = FixtureBuilder::standard().character({ "龘", 48, 48, "火" }).write(dir.path() / "f.db");
    NameDatabase db;
    ASSERT_TRUE(bootstrapDatabase(db, file.string()).ok());
    const NameAnalysis a = analyseName(db, "张", "龘龘");
    ASSERT_EQ(a.grids.总格, 107);
    EXPECT_EQ(a.readings[3].grade, jm::test::traditionalNumberGrades()[27]);
    EXPECT_FALSE(a.readings[3].summary.empty());
    EXPECT_NE(a.readings[3].summary, "()");
    EXPECT_EQ(fortuneOfNumber(db, 107), fortuneOfNumber(db, 27));
    EXPECT_NE(reportPage(a).find("107（按27论）"), std::string::npos);
    // The score counts the 20 points of 总格 by that grade.
    int percentSum = 0;
    const auto grades = a.grades();
    for (std::size_t i = 0; i < 6; ++i)
        percentSum += kGradeWeights[i] * gradePercent(grades[i]);
    EXPECT_EQ(a.score, percentSum / 100);
    EXPECT_GT(gradePercent(grades[3]), 0);
}

TEST(LoadedNumbers, ACraftedStrokeCountIsAClearErrorAtLoad)
{
    struct Case {
        const char* label;
        FixtureBuilder builder;
        const char* wantInMessage;
    };
    const Case cases[] = {
        { "int max", FixtureBuilder::standard().character({ "坏", 2147483647, 5, "火" }), "2147483647" },
        { "negative", FixtureBuilder::standard().character({ "坏", 5, -3, "火" }), "-3" },
        { "huge text",
            FixtureBuilder::standard().row("NM_CNWord",
                { "999", "0", "坏", "坏", "坏", "99999999999", "5", "", "", "", "", "", "火", "", "", "" }),
            "99999999999" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TempDir dir;
        NameDatabase db;
        const Result<void> result = bootstrapDatabase(db, c.builder.write(dir.path() / "bad.db").string());
        ASSERT_FALSE(result.ok());
        EXPECT_NE(result.error().find("坏"), std::string::npos) << result.error();
        EXPECT_NE(result.error().find(c.wantInMessage), std::string::npos) << result.error();
    }
    TempDir dir;
    NameDatabase db;
    EXPECT_TRUE(bootstrapDatabase(
        db, FixtureBuilder::standard().character({ "龘", 48, 99, "火" }).write(dir.path() / "ok.db").string())
                    .ok());
}
