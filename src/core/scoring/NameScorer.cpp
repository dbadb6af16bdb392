#include "scoring/NameScorer.h"

#include "data/CharacterRepository.h"
#include "text/Text.h"

namespace jm {

void CharacterTable::clear()
{
    m_records.clear();
    m_first.clear();
}

void CharacterTable::append(CharacterInfo info)
{
    m_first.try_emplace(info.character, m_records.size());
    m_records.push_back(std::move(info));
}

const CharacterInfo* CharacterTable::find(const std::string& character) const
{
    const auto it = m_first.find(character);
    return it == m_first.end() ? nullptr : &m_records[it->second];
}

CharacterInfo lookUpCharacterInfo(NameDatabase& db, const std::string& character)
{
    std::optional<CharacterInfo> row = CharacterRepository(db).findStrokes(character);
    if (row && isUsableCharacter(*row)) return std::move(*row);
    CharacterInfo absent;
    absent.character = character;
    return absent;
}

namespace {

CharacterInfo infoOrAbsent(const CharacterTable& table, const std::string& character)
{
    const CharacterInfo* found = table.find(character);
    return found ? *found : CharacterInfo {};
}

} // namespace

NameLayout NameScorer::layoutOf(const std::string& surname, const std::string& given) const
{
    const auto s = splitCharacters(surname);
    const auto g = splitCharacters(given);
    NameLayout layout;
    layout.surnameLength = static_cast<int>(s.size());
    layout.givenLength = static_cast<int>(g.size());
    if (!s.empty()) layout.S1 = infoOrAbsent(m_table, s[0]);
    if (s.size() != 1 && s.size() >= 2) layout.S2 = infoOrAbsent(m_table, s[1]);
    if (!g.empty()) layout.G1 = infoOrAbsent(m_table, g[0]);
    if (g.size() != 1 && g.size() >= 2) layout.G2 = infoOrAbsent(m_table, g[1]);
    return layout;
}

NameScore NameScorer::scoreName(const std::string& surname, const std::string& given)
{
    return scoreLayout(layoutOf(surname, given));
}

NameScore NameScorer::scoreLayout(const NameLayout& layout)
{
    NameScore result;
    result.grids = computeFiveGrids(layout);
    const FiveGrids& g = result.grids;
    const int numbers[5] = { g.天格, g.人格, g.地格, g.总格, g.外格 };
    std::array<int, 6> percents {};
    for (std::size_t i = 0; i < 5; ++i) {
        result.grades[i] = m_cache.number(numbers[i]);
        percents[i] = gradePercent(result.grades[i]);
    }
    result.grades[5] = m_cache.threeTalents(g.三才);
    percents[5] = gradePercent(result.grades[5]);
    const int hundredths = weightedHundredths(percents);
    result.exactScore = hundredths / 100.0;
    result.score = hundredths / 100;
    return result;
}

int NameScorer::quickScore(int surnameLength, const CharacterInfo* s1, const CharacterInfo* s2, int givenLength,
    const CharacterInfo* g1, const CharacterInfo* g2)
{
    const int t1 = s1 ? s1->traditionalStrokes : 0;
    const int t2 = s2 ? s2->traditionalStrokes : 0;
    const int u1 = g1 ? g1->traditionalStrokes : 0;
    const int u2 = g2 ? g2->traditionalStrokes : 0;
    const bool singleSurname = surnameLength == 1;
    const bool singleGiven = givenLength == 1;
    const int heaven = singleSurname ? t1 + 1 : t1 + t2;
    const int person = (singleSurname ? t1 : t2) + u1;
    const int earth = singleGiven ? u1 + 1 : u1 + u2;
    const int total = t1 + t2 + u1 + u2;
    int outer;
    if (singleSurname && singleGiven)
        outer = 2;
    else if (!singleSurname && !singleGiven)
        outer = total - person;
    else
        outer = total - person + 1;

    const int sum = kGradeWeights[0] * m_cache.numberPercent(heaven) + kGradeWeights[1] * m_cache.numberPercent(person)
        + kGradeWeights[2] * m_cache.numberPercent(earth) + kGradeWeights[3] * m_cache.numberPercent(total)
        + kGradeWeights[4] * m_cache.numberPercent(outer)
        + kGradeWeights[5]
            * m_cache.threeTalentsPercent(
                elementIndexOfNumber(heaven), elementIndexOfNumber(person), elementIndexOfNumber(earth));
    return sum / 100;
}

Fortune NameScorer::surnameHeavenFortune(const std::string& surname)
{
    const auto s = splitCharacters(surname);
    int heaven;
    if (s.size() == 1) {
        heaven = infoOrAbsent(m_table, s[0]).traditionalStrokes + 1;
    } else {
        const int a = s.empty() ? 0 : infoOrAbsent(m_table, s[0]).traditionalStrokes;
        const int b = s.size() >= 2 ? infoOrAbsent(m_table, s[1]).traditionalStrokes : 0;
        heaven = a + b;
    }
    return m_cache.number(heaven);
}

} // namespace jm
