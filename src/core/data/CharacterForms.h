#pragma once

#include "data/NameDatabase.h"

#include <optional>
#include <string>
#include <vector>

namespace jm {

/// True when NM_CNWord has a row for the character (column 汉字).
bool hasCharacterRow(NameDatabase& db, const std::string& character);

/// The characters of NM_CNWord whose traditional form (column 繁体) is
/// `traditional` and differs from them, in table order: 龍 → 龙, 鍾 → 钟 锺.
/// Empty when no row names it as its traditional form.
std::vector<std::string> charactersOfTraditionalForm(NameDatabase& db, const std::string& traditional);

/// The form under which the dictionary (NM_CNWord) lists a character: the
/// character itself when a usable row (an element and a non-zero simplified
/// stroke count) has it as 汉字; else the 汉字 of the first usable row whose
/// 繁体 is the character (張 → 张, 豐 → 丰); nothing when neither exists.
std::optional<std::string> listedCharacterForm(NameDatabase& db, const std::string& character);

} // namespace jm
