#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace jm {

/// The classic mode's entries for a sex and name length: the given-name
/// list for two characters, the pleasant characters for one.
std::vector<std::string> classicEntries(std::string_view sex, int nameLength);

/// The classic text: surname + entry + separator for every entry, and an
/// empty line ("\r\n\r\n") after every full row. Two-character names: two
/// spaces, 14 to a row; one-character names: three spaces, 16 to a row.
std::string classicText(const std::string& surname, const std::vector<std::string>& entries, int nameLength);

} // namespace jm
