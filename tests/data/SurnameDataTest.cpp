#include "CorpusQueries.h"

#include "scoring/NameAnalysis.h"
#include "scoring/Pages.h"
#include "text/Text.h"

#include <set>
#include <sstream>

using jm::test::ShippedDatabaseTest;

class SurnameData : public ShippedDatabaseTest { };

TEST_F(SurnameData, HoldsTheBaijiaxingInOrderAndTheCommonSurnamesOfToday)
{
    // 438 surnames of the 百家姓 (郁 twice in traditional writing) and the common ones it lacks
    EXPECT_GE(number("select count(*) from NM_百家姓"), 470);
    auto first = rows("select 姓 from NM_百家姓 where Id <= 4 order by Id", 1);
    ASSERT_EQ(first.size(), 4u);
    EXPECT_EQ(first[0][0] + first[1][0] + first[2][0] + first[3][0], "赵钱孙李");
    for (const char* name : { "张", "王", "刘", "欧阳", "司马", "诸葛", "於", "肖", "邱", "闫", "覃" })
        EXPECT_EQ(number("select count(*) from NM_百家姓 where 姓=?", { std::string(name) }), 1) << name;
}

TEST_F(SurnameData, EverySurnameIsOneOrTwoCharactersOnceWithItsRegion)
{
    std::set<std::string> seen;
    for (const auto& r : rows("select 姓, 聚集地, 姓氏起源, 历史名人 from NM_百家姓", 4)) {
        std::size_t length = jm::characterCount(r[0]);
        EXPECT_TRUE(length == 1 || length == 2) << r[0];
        EXPECT_TRUE(seen.insert(r[0]).second) << "twice: " << r[0];
        // a written origin comes with famous people, and the other way round
        EXPECT_EQ(r[2].empty(), r[3].empty()) << r[0];
    }
    // the ancestral seat stands in for the region where no text has been written
    auto zhang = rows("select 聚集地 from NM_百家姓 where 姓='张'", 1);
    ASSERT_EQ(zhang.size(), 1u);
    EXPECT_NE(zhang[0][0].find("清河"), std::string::npos) << zhang[0][0];
    auto ouyang = rows("select 聚集地 from NM_百家姓 where 姓='欧阳'", 1);
    ASSERT_EQ(ouyang.size(), 1u);
    EXPECT_NE(ouyang[0][0].find("渤海"), std::string::npos) << ouyang[0][0];
    EXPECT_EQ(number("select count(*) from NM_百家姓 where Id <= 437 and 聚集地=''"), 0);
}

TEST_F(SurnameData, EverySurnameHasAWrittenOriginAndFamousPeople)
{
    EXPECT_EQ(number("select count(*) from NM_百家姓 where 姓氏起源='' or 历史名人=''"), 0);
    // Famous people are "name：words" pieces separated by <br>.
    auto zhang = rows("select 姓氏起源, 历史名人 from NM_百家姓 where 姓='张'", 2);
    ASSERT_EQ(zhang.size(), 1u);
    EXPECT_NE(zhang[0][0].find("挥"), std::string::npos) << zhang[0][0]; // the bow-maker 挥, son of 黄帝
    for (const char* person : { "张良", "张衡" })
        EXPECT_NE(zhang[0][1].find(std::string(person) + "："), std::string::npos) << person;
    EXPECT_GE(number("select count(*) from NM_百家姓 where 历史名人 like '%<br>%<br>%<br>%<br>%'"), 200);
}

TEST_F(SurnameData, EverySurnameHasAReadingOfOneSyllablePerCharacter)
{
    EXPECT_EQ(number("select count(*) from NM_姓氏读音"), number("select count(*) from NM_百家姓"));
    for (const auto& r : rows("select b.姓, r.拼音 from NM_百家姓 b left join NM_姓氏读音 r on r.姓 = b.姓", 2)) {
        std::size_t syllables = 0;
        std::istringstream in(r[1]);
        for (std::string s; in >> s;)
            ++syllables;
        EXPECT_EQ(syllables, jm::characterCount(r[0])) << r[0] << " " << r[1];
    }
}

TEST_F(SurnameData, TheReportAndTheSurnamePageReadSurnamesAsSurnames)
{
    struct Case {
        const char* surname;
        const char* first;
        const char* second;
    };
    const Case cases[] = {
        { "单", "shàn", "" },
        { "曾", "zēng", "" },
        { "解", "xiè", "" },
        { "区", "ōu", "" },
        { "仇", "qiú", "" },
        { "查", "zhā", "" },
        { "朴", "piáo", "" },
        { "翟", "zhái", "" },
        { "缪", "miào", "" },
        { "葛", "gě", "" },
        { "任", "rén", "" },
        { "华", "huà", "" },
        { "燕", "yān", "" },
        { "盖", "gě", "" },
        { "乐", "yuè", "" },
        { "覃", "qín", "" },
        { "乜", "niè", "" },
        { "钭", "tǒu", "" },
        { "訾", "zī", "" },
        { "卜", "bǔ", "" },
        { "张", "zhāng", "" },
        { "欧阳", "ōu", "yáng" },
        { "万俟", "mò", "qí" },
        { "尉迟", "yù", "chí" },
        { "单于", "chán", "yú" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.surname);
        const jm::NameAnalysis a = jm::analyseName(*s_db, c.surname, "伟");
        EXPECT_EQ(a.S1.pinyin, c.first);
        EXPECT_EQ(a.S2.pinyin, c.second);
        const auto values = jm::reportValues(a);
        for (const auto& [placeholder, value] : values) {
            if (placeholder == "{姓氏1拼音}") {
                EXPECT_EQ(value, c.first);
            }
        }
        const std::string reading = std::string(c.first) + (*c.second ? std::string(" ") + c.second : "");
        EXPECT_NE(jm::surnamePage(*s_db, c.surname).find("（" + reading + "）"), std::string::npos);
    }
    // In a given name the characters keep their usual readings.
    const jm::NameAnalysis given = jm::analyseName(*s_db, "张", "单曾");
    EXPECT_EQ(given.G1.pinyin, "dān");
    EXPECT_EQ(given.G2.pinyin, "céng");
    // A surname typed as two single surnames reads each as a surname.
    const jm::NameAnalysis pair = jm::analyseName(*s_db, "单曾", "伟");
    EXPECT_EQ(pair.S1.pinyin, "shàn");
    EXPECT_EQ(pair.S2.pinyin, "zēng");
}
