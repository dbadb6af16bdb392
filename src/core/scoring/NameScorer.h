#pragma once

#include "data/NameDatabase.h"
#include "scoring/FiveGrids.h"
#include "scoring/Fortune.h"

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

namespace jm {

/// A generation run's ordered list of characters. `find` returns the first
/// record with that character, as a walk from the front would.
class CharacterTable {
public:
    void clear();
    void append(CharacterInfo info);
    const CharacterInfo* find(const std::string& character) const;
    const std::vector<CharacterInfo>& records() const { return m_records; }
    std::size_t size() const { return m_records.size(); }

private:
    std::vector<CharacterInfo> m_records;
    std::unordered_map<std::string, std::size_t> m_first;
};

/// Reads one character from NM_CNWord; an unusable or missing row gives an
/// absent character carrying only the character text.
CharacterInfo lookUpCharacterInfo(NameDatabase& db, const std::string& character);

struct NameScore {
    FiveGrids grids;
    /// Grades of 天格 人格 地格 总格 外格 三才.
    std::array<Fortune, 6> grades;
    double exactScore = 0;
    int score = 0;
};

/// Scores names from a run's CharacterTable with the weighted grades of the
/// five grids and the three talents. One scorer per thread; it caches the
/// grade lookups for its run, which gives the same results as fresh lookups.
class NameScorer {
public:
    NameScorer(NameDatabase& db, const CharacterTable& table)
        : m_table(table)
        , m_cache(db)
    {
    }

    /// Full score of surname + given name (characters looked up in the table).
    NameScore scoreName(const std::string& surname, const std::string& given);
    /// Full score of an already built layout.
    NameScore scoreLayout(const NameLayout& layout);
    /// Integer score only, without building any text: the generation hot path.
    /// Lengths follow `computeFiveGrids`; null pointers are absent characters.
    int quickScore(int surnameLength, const CharacterInfo* s1, const CharacterInfo* s2, int givenLength,
        const CharacterInfo* g1, const CharacterInfo* g2);
    /// Grade of the surname's 天格 alone.
    Fortune surnameHeavenFortune(const std::string& surname);

    FortuneCache& cache() { return m_cache; }

private:
    NameLayout layoutOf(const std::string& surname, const std::string& given) const;

    const CharacterTable& m_table;
    FortuneCache m_cache;
};

} // namespace jm
