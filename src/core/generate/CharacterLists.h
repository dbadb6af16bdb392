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

} // namespace jm
