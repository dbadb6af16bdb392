#include "CorpusQueries.h"

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

TEST_F(EnglishNameData, EveryInitialTheModeLooksForHasNamesOfEveryStyle)
{
    // The English initials the pinyin initials map to (zh has no English names).
    for (const char* key :
        { "b", "p", "m", "f", "d", "t", "n", "l", "g", "ch", "h", "sh", "r", "th", "s", "e", "w", "i", "a" }) {
        for (int sex = 1; sex <= 3; ++sex) {
            EXPECT_GT(number("select count(*) from NM_EName where (case when EIndex2 <> '' then EIndex2 "
                             "else EIndex end) = ? and Sex = ?",
                          { std::string(key), static_cast<long long>(sex) }),
                0)
                << key << " sex " << sex;
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
