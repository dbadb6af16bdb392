#include "scoring/NameAnalysis.h"
#include "data/Bootstrap.h"
#include "scoring/NameScorer.h"
#include "settings/Paths.h"
#include "support/FixtureDatabase.h"
#include "text/Text.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace jm;
using jm::test::FixtureBuilder;
using jm::test::TempDir;

namespace {

struct FixtureDb {
    TempDir dir;
    NameDatabase db;
    explicit FixtureDb(const FixtureBuilder& builder)
    {
        const auto result = bootstrapDatabase(db, builder.write(dir.path() / "f.db").string());
        EXPECT_TRUE(result.ok()) << result.error();
    }
};

std::string valueOf(const std::vector<Placeholder>& values, std::string_view name)
{
    for (const auto& [placeholder, value] : values)
        if (placeholder == name) return value;
    ADD_FAILURE() << "no placeholder " << name;
    return {};
}

bool contains(const std::string& text, std::string_view part)
{
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(AnalyseName, WorkedExampleReadsEveryTable)
{
    FixtureDb f(FixtureBuilder::standard());
    const NameAnalysis a = analyseName(f.db, "张", "三丰");

    EXPECT_EQ(gridsText(a.grids), "12,14,21,32,19");
    EXPECT_EQ(a.S1.pinyin, "zhāng");
    EXPECT_EQ(a.S1.traditionalForm, "張");
    EXPECT_EQ(a.G2.traditionalStrokes, 18);
    EXPECT_TRUE(a.S2.character.empty());

    const GridReading& person = a.readings[1];
    EXPECT_EQ(person.number, 14);
    EXPECT_EQ(person.element, "火");
    EXPECT_EQ(person.grade, "凶");
    EXPECT_EQ(person.summary, "解释一14(解释三14)");
    // The 健康 label carries the 含义 column and the other way round.
    EXPECT_EQ(person.detail, "解释二14<BR>基业:基业14<BR>家庭:家庭14<BR>健康:含义14<BR>含义:健康14");

    EXPECT_EQ(a.threeTalentsSummary, "木火木文3");
    EXPECT_TRUE(a.threeTalentsDetail.starts_with("1、总论:木火木文5<BR>2、性格:木火木文6<BR>3、意志:"));
    EXPECT_TRUE(a.threeTalentsDetail.ends_with("<BR>11、健康:木火木文15<BR>12、老运:木火木文16"));
    EXPECT_EQ(a.influences, (std::array<std::string, 4> { "木火木文17", "木火木文18", "木火木文19", "木火木文20" }));

    // Without the 于 rule the analysis rates exactly as the generation scorer.
    CharacterTable table;
    for (const char* ch : { "张", "三", "丰" })
        table.append(lookUpCharacterInfo(f.db, ch));
    NameScorer scorer(f.db, table);
    const NameScore s = scorer.scoreName("张", "三丰");
    EXPECT_EQ(a.grades(), s.grades);
    EXPECT_EQ(a.score, s.score);
    EXPECT_DOUBLE_EQ(a.exactScore, s.exactScore);
    EXPECT_EQ(a.verdict, verdictOf(s.exactScore));
}

TEST(AnalyseName, LayoutsAbsentCharactersAndTheYuRule)
{
    FixtureBuilder b;
    b.character({ "于", 3, 8, "土", "yú", "於" })
        .character({ "明", 8, 8, "火", "míng" })
        .character({ "欧", 8, 15, "土", "ōu", "歐" })
        .character({ "阳", 6, 17, "土", "yáng", "陽" })
        .character({ "娜", 9, 10, "火", "nà" })
        .character({ "丁", 2, 2, "" }) // present but without element: unusable
        .character({ "乙", 0, 1, "木" }) // present but without simplified count: unusable
        .standardGrades();
    FixtureDb f(b);

    struct Case {
        const char* surname;
        const char* given;
        const char* grids;
        int s1Traditional;
    };
    const Case cases[] = {
        // A single surname 于 counts its simplified strokes: 天格 3 + 1.
        { "于", "明", "4,11,9,11,2", 3 },
        // Not for 于 as the first of two surname characters, nor in the given name.
        { "于阳", "明", "25,25,9,33,9", 8 },
        { "明", "于", "9,16,9,16,2", 8 },
        // Double surname, single given name: 外格 = s1 + 1.
        { "欧阳", "娜", "32,27,11,42,16", 15 },
        // Absent and unusable characters count nothing.
        { "欧阳", "喆", "32,17,1,32,16", 15 },
        { "丁", "乙明", "1,0,8,8,9", 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.surname) + c.given);
        const NameAnalysis a = analyseName(f.db, c.surname, c.given);
        EXPECT_EQ(gridsText(a.grids), c.grids);
        EXPECT_EQ(a.S1.traditionalStrokes, c.s1Traditional);
    }

    const NameAnalysis yu = analyseName(f.db, "于", "明");
    EXPECT_EQ(valueOf(reportValues(yu), "{繁体姓氏1笔划}"), "3");
    EXPECT_EQ(valueOf(reportValues(yu), "{简体姓氏1笔划}"), "3");

    const NameAnalysis absent = analyseName(f.db, "丁", "喆");
    const auto values = reportValues(absent);
    for (const auto& [name, want] :
        std::vector<std::pair<const char*, const char*>> { { "{简体姓氏1}", "丁" }, { "{简体姓氏1笔划}", "0" },
            { "{繁体姓氏1笔划}", "0" }, { "{姓氏1五行}", "" }, { "{姓氏1拼音}", "" }, { "{繁体姓氏1}", "" },
            { "{简体名字1}", "喆" }, { "{简体名字1笔划}", "0" }, { "{繁体名字1笔划}", "0" }, { "{名字1拼音}", "" } })
        EXPECT_EQ(valueOf(values, name), want) << name;
}

TEST(ReportValues, SecondSlotsOfSingleLayoutsStayEmpty)
{
    FixtureDb f(FixtureBuilder::standard());
    struct Case {
        const char* surname;
        const char* given;
        const char* emptySlot; // every value of this slot is empty
        const char* filledSlot; // this slot shows at least its strokes
    };
    const Case cases[] = {
        { "张", "三丰", "姓氏2", "名字2" },
        { "欧阳", "娜", "名字2", "姓氏2" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.surname) + c.given);
        const auto values = reportValues(analyseName(f.db, c.surname, c.given));
        const std::string e = c.emptySlot;
        for (const std::string& name : { "{简体" + e + "}", "{繁体" + e + "}", "{简体" + e + "笔划}",
                 "{繁体" + e + "笔划}", "{" + e + "五行}", "{" + e + "拼音}" })
            EXPECT_EQ(valueOf(values, name), "") << name;
        const std::string filled = c.filledSlot;
        EXPECT_NE(valueOf(values, "{简体" + filled + "笔划}"), "");
    }
    // A part typed as a spaced pair still has a second slot: the space is an
    // absent character and shows 0.
    const auto spaced = reportValues(analyseName(f.db, "张", "三 "));
    EXPECT_EQ(valueOf(spaced, "{简体名字2笔划}"), "0");
}

TEST(ReportPage, FillsPlaceholdersInOrderIncludingInsertedOnes)
{
    // Texts of 张三丰 (grids 12,14,21,32,19) that themselves hold placeholders.
    FixtureBuilder b;
    // Character values go field by field, first character before second: 张's
    // traditional form (3rd) keeps {简体姓氏2} (2nd) and gets {简体名字1} (13th).
    b.character({ "张", 7, 11, "火", "", "張{简体姓氏2}{简体名字1}" });
    b.character({ "三", 3, 3, "金" }).character({ "丰", 4, 18, "木" });
    // 天格 detail (filled 41st) names the 人格 summary (45th): replaced; and
    // the 人格 detail (40th, filled before it): stays literal.
    b.number(12, "吉", { "", "[天格详情{人格总论}{人格释义}]" });
    // 人格 summary (45th) names 三才 (55th) and the score (64th): replaced;
    // it also names the 人格 number (25th): already past, stays literal.
    b.number(14, "吉", { "[人格总论{三才}/{评分总分}/{人格}]", "", "" });
    b.number(21, "吉");
    b.number(32, "吉");
    b.number(19, "吉", { "", "", "", "", "", "", "", "甲|乙" });
    b.threeTalents("木火木", "吉");
    FixtureDb f(b);

    const std::string page = reportPage(analyseName(f.db, "张", "三丰"));
    EXPECT_TRUE(contains(page, "[天格详情[人格总论木火木/100/{人格}](){人格释义}]"));
    EXPECT_TRUE(contains(page, "[人格总论木火木/100/{人格}]()（<span class=\"red\">吉</span>）"));
    EXPECT_TRUE(contains(page, ">張{简体姓氏2}三</td>"));
    // Hints of 外格: one "|" becomes a line break.
    EXPECT_TRUE(contains(page, "甲<BR>乙"));

    // Every placeholder of the template is gone.
    FixtureDb plain(FixtureBuilder::standard());
    const NameAnalysis analysis = analyseName(plain.db, "欧阳", "娜");
    const std::string plainPage = reportPage(analysis);
    for (const auto& [name, value] : reportValues(analysis))
        EXPECT_FALSE(contains(plainPage, name)) << name;
}

TEST(ReportPage, MissingFortuneRowAndScoreBands)
{
    // 张三丰 with every grade 吉 except a 大凶 three-talents key: 100 − 15 × 70 % = 89.5.
    FixtureBuilder b;
    b.character({ "张", 7, 11, "火" }).character({ "三", 3, 3, "金" }).character({ "丰", 4, 18, "木" });
    for (int n : { 12, 14, 21, 19 })
        b.number(n, "吉");
    b.threeTalents("木火木", "大凶"); // no row for 总格 32
    FixtureDb f(b);

    const NameAnalysis a = analyseName(f.db, "张", "三丰");
    const GridReading& total = a.readings[3];
    EXPECT_EQ(total.number, 32);
    EXPECT_EQ(total.element, "木");
    EXPECT_EQ(total.grade, "");
    EXPECT_EQ(total.summary, "()");
    EXPECT_EQ(total.detail, "<BR>基业:<BR>家庭:<BR>健康:<BR>含义:");
    // 100 − 20 (总格 lost) − 15 × 70 % = 69.5.
    EXPECT_DOUBLE_EQ(a.exactScore, 69.5);
    EXPECT_EQ(a.score, 69);
    EXPECT_TRUE(a.verdict.starts_with("你的名字不太好"));
    const std::string page = reportPage(a);
    EXPECT_TRUE(contains(page, "()（<span class=\"red\"></span>）"));

    FixtureBuilder b2 = b;
    b2.number(32, "大吉");
    FixtureDb f2(b2);
    const NameAnalysis full = analyseName(f2.db, "张", "三丰");
    EXPECT_DOUBLE_EQ(full.exactScore, 89.5);
    EXPECT_EQ(full.score, 89);
    EXPECT_EQ(full.verdict, "你的名字取得不错，如果与命理搭配得当，相信它会助你一生顺利的，祝你好运！");
    EXPECT_EQ(valueOf(reportValues(full), "{评分总分}"), "89");
    EXPECT_EQ(valueOf(reportValues(full), "{总分建议}"), full.verdict);
}

TEST(ReportPage, ClosedDatabaseStillGivesAPage)
{
    NameDatabase closed;
    const NameAnalysis a = analyseName(closed, "张", "三丰");
    EXPECT_EQ(a.score, 0);
    EXPECT_EQ(a.verdict, "你的名字很不好！强烈建议你换个名字试试，也许人生会因此而改变的。");
    EXPECT_EQ(gridsText(a.grids), "1,0,0,0,1");
    const std::string page = reportPage(a);
    EXPECT_TRUE(contains(page, "<span class=\"fontcolor1\">张</span>"));
    EXPECT_TRUE(contains(page, "[ 结果来源于： 嘉名 ]"));
}

TEST(ReportPage, TypedTextIsEscapedAndDatabaseMarkupKept)
{
    FixtureBuilder b;
    // The first row of a number wins: this one is 张's 天格 12.
    b.character({ "张", 7, 11, "火" })
        .character({ "三", 3, 3, "金" })
        .number(12, "吉", { "<b>粗</b>" })
        .standardGrades();
    FixtureDb f(b);
    const std::string page = reportPage(analyseName(f.db, "<", "&\""));
    EXPECT_TRUE(contains(page, ">&lt;</span>"));
    EXPECT_TRUE(contains(page, ">&amp;</span>"));
    EXPECT_FALSE(contains(page, "<span class=\"fontcolor1\"><</span>"));

    const std::string zhang = reportPage(analyseName(f.db, "张", "三"));
    EXPECT_TRUE(contains(zhang, "<b>粗</b>"));
}

TEST(WriteReportPage, GbkFileWithGbkOnlyCharacter)
{
    FixtureDb f(FixtureBuilder::standard());
    TempDir out;
    NameAnalysis analysis;
    analysis.score = 42; // replaced by the call
    const int score = analyseName(f.db, "张", "喆", analysis, out.path());
    EXPECT_EQ(score, analysis.score);
    EXPECT_EQ(analysis.givenCharacters, std::vector<std::string> { "喆" });

    const auto bytes = readFileBytes(out.path() / "temp.html");
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, toGbk(reportPage(analysis)));
    EXPECT_TRUE(contains(*bytes, "charset=gb2312"));
    EXPECT_TRUE(contains(*bytes, toGbk("喆")));
    EXPECT_FALSE(contains(*bytes, "喆")); // not left as UTF-8
    EXPECT_TRUE(contains(fromGbk(*bytes), "<title>名字评分</title>"));

    // An unwritable directory loses the page but not the score.
    const auto blocked = out.path() / "file";
    std::ofstream(blocked) << "x";
    EXPECT_EQ(analyseName(f.db, "张", "三丰", analysis, blocked), analysis.score);
    EXPECT_EQ(gridsText(analysis.grids), "12,14,21,32,19");
    EXPECT_FALSE(writeReportPage(analysis, blocked));
}
