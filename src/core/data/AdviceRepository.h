#pragma once

#include "data/NameDatabase.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace jm {

/// 用字 of NM_起名用字: fit for a given name (宜), odd in one (僻: furniture,
/// tools, body parts, function words ...) or unfit (忌: a negative, vulgar,
/// ominous or mocking meaning).
enum class CharacterUsage { Fit, Odd, Unfit };
/// 性别: the character's leaning in given names (男, 女 or 中).
enum class SexLeaning { Neutral, Male, Female };
/// 常用度: 常用, 次常用 or 生僻.
enum class UsageLevel { Common, LessCommon, Rare };

/// One row of NM_起名用字.
struct CharacterSuitability {
    std::string character;
    CharacterUsage usage = CharacterUsage::Fit;
    SexLeaning leaning = SexLeaning::Neutral;
    UsageLevel level = UsageLevel::Common;
    /// Why the character is odd or unfit (may be empty for a fit one).
    std::string reason;
};

/// One row of NM_谐音: a word a full name must not sound like. `pinyin` is
/// lower-case syllables separated by spaces, each optionally followed by its
/// tone digit ("du zi teng", "yang2 wei3"); ü is written v.
struct HomophoneEntry {
    std::string pinyin;
    std::string word;
    std::string category;
    std::string note;
};

/// Reads the advice tables (NM_起名用字, NM_谐音, NM_字音) and the usable
/// characters of NM_CNWord. Every query binds its values; a character the
/// tables lack is simply missing from the answer. Any thread; one Statement
/// at a time on the database.
class AdviceRepository {
public:
    explicit AdviceRepository(NameDatabase& db)
        : m_db(db)
    {
    }

    /// The NM_起名用字 rows of `characters` (first row of each character).
    std::unordered_map<std::string, CharacterSuitability> suitability(const std::vector<std::string>& characters);
    /// The NM_起名用字 row of one character; nothing when it has none.
    std::optional<CharacterSuitability> suitabilityOf(const std::string& character);
    /// Every NM_谐音 row in table order.
    std::vector<HomophoneEntry> homophones();
    /// The NM_字音 readings of `characters`: toned pinyin, customary first.
    std::unordered_map<std::string, std::vector<std::string>> readings(const std::vector<std::string>& characters);
    /// Those of `characters` with a usable NM_CNWord row (an element and a
    /// simplified stroke count).
    std::unordered_set<std::string> usableCharacters(const std::vector<std::string>& characters);

private:
    NameDatabase& m_db;
};

} // namespace jm
