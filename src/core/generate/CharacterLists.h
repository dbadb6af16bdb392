#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace jm {

/// The built-in candidate characters for boys (1854 characters, no repeats).
std::string_view maleCharacters();
/// The built-in candidate characters for girls (973 characters, no repeats).
std::string_view femaleCharacters();

/// The list for a sex: `femaleCharacters` for "女", `maleCharacters` otherwise.
std::string_view characterListForSex(std::string_view sex);

/// Well-sounding single characters of the classic mode, one after the other
/// (841 for boys, 294 for girls).
std::string_view malePleasantCharacters();
std::string_view femalePleasantCharacters();

/// Two-character given names of the classic mode, each followed by ","
/// (2910 for boys, 2134 for girls).
std::string_view maleGivenNames();
std::string_view femaleGivenNames();

/// The entries of a "," separated list; the empty piece after the last ","
/// is not an entry.
std::vector<std::string> splitNameList(std::string_view list);

} // namespace jm
