#pragma once

#include "data/NameDatabase.h"

#include <string>
#include <vector>

namespace jm {

/// True when NM_CNWord has a row for the character (column 汉字).
bool hasCharacterRow(NameDatabase& db, const std::string& character);

/// The characters of NM_CNWord whose traditional form (column 繁体) is
/// `traditional` and differs from them, in table order: 龍 → 龙, 鍾 → 钟 锺.
/// Empty when no row names it as its traditional form.
std::vector<std::string> charactersOfTraditionalForm(NameDatabase& db, const std::string& traditional);

} // namespace jm
