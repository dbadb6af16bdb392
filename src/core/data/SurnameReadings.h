#pragma once

#include "data/NameDatabase.h"

#include <string>
#include <vector>

namespace jm {

/// The reading of a surname as NM_姓氏读音 gives it, one syllable per character
/// (单 → shàn, 欧阳 → ōu yáng); empty when the table has no row for the
/// surname or the database lacks the table.
std::vector<std::string> surnameReading(NameDatabase& db, const std::string& surname);

} // namespace jm
