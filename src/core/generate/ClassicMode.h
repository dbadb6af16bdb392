#pragma once

#include "scoring/Caution.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace jm {

class NameDatabase;

/// The classic mode's entries for a sex and name length: the given-name
/// list for two characters, the pleasant characters for one.
std::vector<std::string> classicEntries(std::string_view sex, int nameLength);

/// The classic text: surname + entry + separator for every entry, and an
/// empty line ("\r\n\r\n") after every full row. Two-character names: two
/// spaces, 14 to a row; one-character names: three spaces, 16 to a row.
std::string classicText(const std::string& surname, const std::vector<std::string>& entries, int nameLength);

/// The entries a parent could choose, in their order: leaves out entries
/// with a character the dictionary lacks, an unfit or odd character, one
/// leaning to the other sex, a surname character, a full name that sounds
/// like a listed word, and repeats. Counts what it leaves out into
/// `excluded` when given.
std::vector<std::string> suitableClassicEntries(NameDatabase& db, const std::string& surname, const std::string& sex,
    const std::vector<std::string>& entries, std::array<std::size_t, kExclusionCount>* excluded = nullptr);

} // namespace jm
