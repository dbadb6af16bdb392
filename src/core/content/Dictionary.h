#pragma once

#include "data/NameDatabase.h"

#include <optional>
#include <string>
#include <string_view>

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

/// A stored explanation as plain text: <br> and </p> become line breaks,
/// other tags are dropped and the common entities decoded.
std::string explanationText(std::string_view html);

} // namespace jm
