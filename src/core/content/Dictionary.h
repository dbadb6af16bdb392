#pragma once

#include "data/NameDatabase.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jm {

/// The dictionary entry of one character (one NM_CNWord row).
struct DictionaryEntry {
    std::string character;
    /// 拼音2, the pinyin with tone marks.
    std::string pinyin;
    std::string radical;
    /// Stroke counts as stored (empty for a NULL column).
    std::string simplifiedStrokes;
    std::string traditionalStrokes;
    std::string element;
    /// The explanations as stored, with their HTML line breaks.
    std::string basicExplanation;
    std::string detailedExplanation;
};

/// Looks `character` up in NM_CNWord by the whole text; nothing when the
/// dictionary has no row for it (a word of several characters, an empty text).
std::optional<DictionaryEntry> lookUpDictionary(NameDatabase& db, const std::string& character);

/// One character of a dictionary query and the dictionary characters it leads to.
struct CharacterMatch {
    /// The character as typed.
    std::string typed;
    /// The character itself when the dictionary has a row for it; otherwise
    /// the characters whose traditional form it is (龍 → 龙; 鍾 → 钟 锺);
    /// empty when the dictionary knows it in neither way.
    std::vector<std::string> found;
};

/// The characters of `text` one by one (spaces, ASCII or full-width, are
/// dropped), each with what the dictionary has for it. Empty for a blank text.
std::vector<CharacterMatch> findCharacters(NameDatabase& db, std::string_view text);

/// A stored explanation as plain text: <br> and </p> become line breaks,
/// other tags are dropped and the common entities decoded.
std::string explanationText(std::string_view html);

} // namespace jm
