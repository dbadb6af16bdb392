#pragma once

#include "data/AdviceRepository.h"
#include "scoring/Caution.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace jm {

class NameDatabase;

/// One syllable as a listener hears it: its toneless syllable (`exact`),
/// the same with near-homophones merged (`merged`), both as ids, and its
/// tone, 1-4, 5 for the neutral tone, 0 for "any".
struct Sound {
    std::uint16_t exact = 0;
    std::uint16_t merged = 0;
    std::uint8_t tone = 0;
};

/// What the advisor knows of one character.
struct CharacterFacts {
    std::string character;
    /// NM_CNWord holds a usable row for it.
    bool known = false;
    /// NM_起名用字 holds a row for it; otherwise usage is Fit, leaning
    /// Neutral and level Rare (the table covers every common character).
    bool listed = false;
    CharacterSuitability suitability;
    /// Modern readings, customary first, in toned pinyin (NM_字音).
    std::vector<std::string> readings;
    /// The same readings as sounds, once each.
    std::vector<Sound> sounds;
    /// Tone of the customary reading (the first with a tone), 0 when unknown.
    std::uint8_t tone = 0;
    /// Readings that differ in more than tone: how to read it in a name is unclear.
    bool polyphone = false;
};

/// Judges full names the way a careful name book does: which characters
/// suit a given name, how the name sounds read aloud (homophones of
/// unfortunate words, every reading of a polyphonic character, tones
/// ignored unless a listed word gives them; for words of three or more
/// syllables also the near-homophones z/zh c/ch s/sh n/l an/ang en/eng
/// in/ing, which would make two-syllable words catch ordinary names such as
/// 张丽 "葬礼" or 刘诗 "牛屎") and the tone pattern.
///
/// Built once per run from the database for the characters the run uses;
/// read-only afterwards, so any thread may query it.
class NameAdvisor {
public:
    NameAdvisor() = default;
    /// Loads the facts of `characters` (each text split into characters)
    /// and the homophone list.
    static NameAdvisor load(NameDatabase& db, const std::vector<std::string>& characters);
    /// Builds an advisor from given data (tests, tools).
    static NameAdvisor build(
        const std::vector<CharacterFacts>& characters, const std::vector<HomophoneEntry>& homophones);

    /// The facts of a character; an unloaded character reads as unknown.
    const CharacterFacts& facts(const std::string& character) const;

    /// Why a default list leaves out a name with this given-name character
    /// (Missing, Unfit, Odd, or OtherSex when `sex` is "男" or "女"); None
    /// when it may stay.
    Exclusion excludeCharacter(const CharacterFacts& c, std::string_view sex) const;

    /// The listed word the full name sounds like, or nullptr. The characters
    /// are those of surname and given name in order; every run of two or
    /// more consecutive syllables is compared.
    const HomophoneEntry* soundsLike(std::span<const CharacterFacts* const> fullName) const;

    /// Every caution on a full name. `sex` "男" or "女" adds the 性别
    /// caution for characters of the other sex's leaning; any other value
    /// leaves it out.
    std::vector<Caution> cautions(const std::string& surname, const std::string& given, std::string_view sex) const;
    /// The same for characters already looked up (the run's fast path).
    std::vector<Caution> cautions(std::span<const CharacterFacts* const> surname,
        std::span<const CharacterFacts* const> given, std::string_view sex) const;
    /// The kinds of the cautions `cautions` gives, as bits (bit k for
    /// CautionKind k), without making their texts: what a list keeps per name.
    std::uint8_t cautionKinds(std::span<const CharacterFacts* const> surname,
        std::span<const CharacterFacts* const> given, std::string_view sex) const;

    std::size_t homophoneCount() const { return m_homophones.size(); }

private:
    template <typename Emit>
    void visitCautions(std::span<const CharacterFacts* const> surname, std::span<const CharacterFacts* const> given,
        std::string_view sex, Emit&& emit) const;
    CharacterFacts makeFacts(std::string character, bool known, const CharacterSuitability* suitability,
        const std::vector<std::string>& readings);
    std::uint16_t syllableId(const std::string& merged);
    void addHomophone(const HomophoneEntry& entry);

    std::unordered_map<std::string, CharacterFacts> m_facts;
    std::unordered_map<std::string, std::uint16_t> m_syllables;
    std::vector<HomophoneEntry> m_homophones;
    std::vector<std::vector<Sound>> m_homophoneSounds;
    /// First two syllable ids of an entry (exact ids for two-syllable
    /// words, merged ids with bit 31 set for longer ones) -> entries.
    std::unordered_map<std::uint32_t, std::vector<std::uint32_t>> m_byStart;
};

/// Splits toned pinyin ("zhāng", "lǜ", "yang2") into its plain syllable
/// ("zhang", "lv") and tone (1-4 from a mark or digit, 5 from the digit 5;
/// 0 when the syllable carries neither, which a reading means as neutral
/// and a listed word as "any tone").
std::pair<std::string, std::uint8_t> splitTone(std::string_view pinyin);
/// The syllable a listener may confuse it with, as one form: zh ch sh → z c
/// s, initial n → l, final ang eng ing → an en in.
std::string mergedSyllable(std::string plain);

} // namespace jm
