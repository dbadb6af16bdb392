#pragma once

#include "data/NameDatabase.h"

#include <optional>
#include <string>

namespace jm {

/// The form under which the dictionary (NM_CNWord) lists a character: the
/// character itself when a usable row (an element and a non-zero simplified
/// stroke count) has it as 汉字; else the 汉字 of the first usable row whose
/// 繁体 is the character (張 → 张, 豐 → 丰); nothing when neither exists.
std::optional<std::string> listedCharacterForm(NameDatabase& db, const std::string& character);

} // namespace jm
