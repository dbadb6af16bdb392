#include "CorpusQueries.h"

#include "text/Text.h"

#include <map>
#include <set>

using jm::test::ShippedDatabaseTest;

class PoemData : public ShippedDatabaseTest { };

TEST_F(PoemData, HoldsTheQuantangshiWithTheFamousPoetsFirst)
{
    EXPECT_GE(number("select count(*) from NM_全唐诗"), 57000);
    EXPECT_GE(number("select count(*) from NM_Poet"), 3500);
    auto poets = rows("select Poet from NM_Poet order by OrderId ASC limit 5", 1);
    ASSERT_EQ(poets.size(), 5u);
    EXPECT_EQ(poets[0][0], "李白");
    EXPECT_EQ(poets[1][0], "杜甫");
    EXPECT_EQ(poets[2][0], "白居易");
    EXPECT_EQ(poets[3][0], "王维");
    EXPECT_EQ(poets[4][0], "李商隐");

    auto poem = rows("select 内容, 首字母 from NM_全唐诗 where 作者='李白' and 标题='静夜思'", 2);
    ASSERT_EQ(poem.size(), 1u);
    EXPECT_EQ(poem[0][0], "床前看月光，疑是地上霜。举头望山月，低头思故乡。");
    EXPECT_EQ(poem[0][1], "床疑举低");
}

TEST_F(PoemData, EveryPoetHasHisPoemsContiguousAndCounted)
{
    auto poets = rows("select p.Poet, p.PoemCount, count(q.Id), min(q.Id), max(q.Id) "
                      "from NM_Poet p left join NM_全唐诗 q on q.作者 = p.Poet group by p.Poet",
        5);
    ASSERT_FALSE(poets.empty());
    for (const auto& p : poets) {
        EXPECT_NE(p[2], "0") << p[0] << " has no poems";
        EXPECT_EQ(p[1], p[2]) << p[0];
        EXPECT_EQ(std::stoll(p[4]) - std::stoll(p[3]) + 1, std::stoll(p[2])) << p[0] << "'s poems are split";
    }
    EXPECT_EQ(number("select count(*) from NM_全唐诗 where 作者 not in (select Poet from NM_Poet)"), 0);
    EXPECT_EQ(number("select count(*) from (select 1 from NM_全唐诗 group by 作者, 标题 having count(*) > 1)"), 0)
        << "a poet and a title must name one poem";
}

TEST_F(PoemData, ContentIsLinesOfCharactersAndTheInitialsOpenTheLines)
{
    auto poems = rows("select Id, 标题, 内容, 首字母, 内容长度 from NM_全唐诗", 5);
    int faults = 0;
    for (const auto& p : poems) {
        auto chars = jm::splitCharacters(p[2]);
        std::string initials;
        bool lineStart = true;
        bool wellFormed = !p[1].empty() && !chars.empty() && chars.back() == "。";
        std::string previous;
        for (const auto& c : chars) {
            bool mark = c == "，" || c == "。";
            if (mark) {
                wellFormed = wellFormed && !lineStart; // no empty line
                lineStart = true;
            } else {
                // Chinese characters or a □ for a gap: no brackets, notes or digits
                wellFormed = wellFormed && c.size() >= 3 && c != "（" && c != "、" && c != "{";
                if (lineStart) initials += c;
                lineStart = false;
            }
        }
        bool ok = wellFormed && initials == p[3] && std::to_string(chars.size()) == p[4];
        if (!ok && ++faults <= 5)
            ADD_FAILURE() << "poem " << p[0] << " " << p[1] << ": " << p[2] << " / " << p[3] << " / " << p[4];
    }
    EXPECT_EQ(faults, 0);
}

// Old variant forms are written in their standard simplified form; a gap of the
// source is a □, not a line one character short; titles and poets carry no notes.
TEST_F(PoemData, StandardFormsLacunaeAndCleanTitles)
{
    for (const char* variant :
        { "疎", "劒", "鴈", "猨", "遶", "慙", "簷", "鬬", "徧", "櫂", "斾", "媿", "嬾", "蘂", "幷", "堦", "褭", "覩",
            "珮", "臯", "廻", "飜", "髪", "煖", "秪", "暎", "歛", "桮", "飖", "隣", "妬", "檝" }) {
        EXPECT_EQ(number("select count(*) from NM_全唐诗 where instr(内容, ?) > 0 or instr(标题, ?) > 0",
                      { std::string(variant), std::string(variant) }),
            0)
            << variant;
    }
    auto baidi = rows("select 内容 from NM_全唐诗 where 作者='李白' and 标题='早发白帝城'", 1);
    ASSERT_EQ(baidi.size(), 1u);
    EXPECT_NE(baidi[0][0].find("两岸猿声啼不尽"), std::string::npos) << baidi[0][0];
    auto chrysanthemum = rows("select 内容 from NM_全唐诗 where 作者='李建业' and 标题='采菊'", 1);
    ASSERT_EQ(chrysanthemum.size(), 1u);
    EXPECT_NE(chrysanthemum[0][0].find("味甘资曲□，"), std::string::npos) << chrysanthemum[0][0];
    EXPECT_GT(number("select count(*) from NM_全唐诗 where instr(内容, '□') > 0"), 400);
    // editorial notes leave the titles ("钓滩（一作「台」）", "（题拟）"); poets lose their brackets
    for (const char* note : { "（一作", "题拟", "「", "[", "〖" })
        EXPECT_EQ(number("select count(*) from NM_全唐诗 where instr(标题, ?) > 0", { std::string(note) }), 0) << note;
    EXPECT_EQ(number("select count(*) from NM_Poet where instr(Poet, '[') > 0 or instr(Poet, ']') > 0"), 0);
    EXPECT_EQ(number("select count(*) from NM_Poet where Poet in ('耿𣲗', '严续姬')"), 2);
}
