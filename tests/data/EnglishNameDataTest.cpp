#include "CorpusQueries.h"
#include "generate/EnglishMode.h"

#include "text/Text.h"

#include <cctype>

using jm::test::ShippedDatabaseTest;

class EnglishNameData : public ShippedDatabaseTest { };

TEST_F(EnglishNameData, EveryNameHasItsKeysATranscriptionAndASex)
{
    auto names = rows("select Id, EIndex, EIndex2, Name, NameLength, Sex, Cnword, Morphology, Languag, Mean "
                      "from NM_EName order by Id",
        10);
    EXPECT_GE(names.size(), 3000u);
    int faults = 0;
    for (const auto& n : names) {
        std::string lower;
        for (char c : n[3])
            lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        std::string two = lower.substr(0, 2);
        bool twoLetter = two == "ch" || two == "sh" || two == "th" || two == "zh";
        bool ok = !lower.empty() && n[1] == lower.substr(0, 1) && n[2] == (twoLetter ? two : "")
            && n[4] == std::to_string(n[3].size()) && (n[5] == "1" || n[5] == "2" || n[5] == "3") && !n[7].empty()
            && !n[8].empty() && !n[9].empty() && jm::characterCount(n[9]) <= 20;
        // the transcription is Chinese characters (a separating dot allowed)
        auto chars = jm::splitCharacters(n[6]);
        ok = ok && !chars.empty();
        for (const auto& c : chars)
            ok = ok && c.size() >= 2;
        if (!ok && ++faults <= 5)
            ADD_FAILURE() << "name " << n[0] << ": " << n[3] << " | " << n[1] << " | " << n[2] << " | " << n[4] << " | "
                          << n[5] << " | " << n[6] << " | " << n[7] << " | " << n[8] << " | " << n[9];
    }
    EXPECT_EQ(faults, 0);
    EXPECT_EQ(number("select count(*) from (select 1 from NM_EName group by Name having count(*) > 1)"), 0);
}

TEST_F(EnglishNameData, EveryPinyinInitialLeadsToNamesOfEveryStyle)
{
    // Every initial a character of the table can have (a, o, e for those without one),
    // through the English initials the mode tries, nearest first.
    for (const auto& r : rows("select distinct case when 声母 <> '' then lower(声母) else substr(拼音1, 1, 1) end "
                              "from NM_CNWord",
             1)) {
        for (int sex = 1; sex <= 3; ++sex) {
            long long found = 0;
            for (const std::string& key : jm::englishInitials(r[0])) {
                found = number("select count(*) from NM_EName where (case when EIndex2 <> '' then EIndex2 "
                               "else EIndex end) = ? and Sex = ?",
                    { key, static_cast<long long>(sex) });
                if (found > 0) break;
            }
            EXPECT_GT(found, 0) << "initial " << r[0] << " sex " << sex;
        }
    }
    // ch, sh and th names are found under their two letters only
    EXPECT_EQ(number("select count(*) from NM_EName where Name like 'Ch%' and EIndex2 <> 'ch'"), 0);
    EXPECT_GT(number("select count(*) from NM_EName where Name = 'Charles' and EIndex = 'c' and EIndex2 = 'ch'"), 0);
}

TEST_F(EnglishNameData, CommonNamesComeFirst)
{
    auto first = rows("select Name from NM_EName where Id <= 200", 1);
    std::string joined;
    for (const auto& r : first)
        joined += " " + r[0] + " ";
    for (const char* name : { "Michael", "James", "Mary", "Elizabeth", "David", "Jennifer" })
        EXPECT_NE(joined.find(std::string(" ") + name + " "), std::string::npos) << name;
}

// Styles agree with how the names are given: a table of well-known names, each
// clearly of one sex or commonly given to both.
TEST_F(EnglishNameData, StylesOfWellKnownNames)
{
    const struct {
        const char* names;
        int style;
    } table[] = {
        { "Michael James David John Robert William George Frank Tony Kyle Sean Thomas Daniel Matthew Joseph "
          "Christopher Andrew Richard Charles Steven Brian Kevin Jason Eric Peter Henry Samuel Benjamin",
            1 },
        { "Mary Jennifer Elizabeth Linda Susan Julie Lauren Grace Claire Sarah Jessica Emily Emma Olivia Sophia "
          "Hannah Anna Rachel Rebecca Laura Amy Alice Helen Margaret Catherine Madison Ashley Hailey Harper",
            2 },
        { "Jordan Taylor Casey Riley Jamie Jessie Quinn Avery Peyton Skyler Kendall Reese Emerson Jackie Kerry "
          "Marion Finley Rowan Charlie",
            3 },
    };
    for (const auto& group : table) {
        const std::string names = group.names;
        for (std::size_t start = 0; start < names.size();) {
            std::size_t end = names.find(' ', start);
            if (end == std::string::npos) end = names.size();
            const std::string name = names.substr(start, end - start);
            start = end + 1;
            auto r = rows("select Sex from NM_EName where Name=?", 1, { name });
            ASSERT_EQ(r.size(), 1u) << name;
            EXPECT_EQ(r[0][0], std::to_string(group.style)) << name;
        }
    }
    // Both-sex names are the exception, not a third of the list.
    EXPECT_LT(number("select count(*) from NM_EName where Sex=3") * 8, number("select count(*) from NM_EName"));
}
