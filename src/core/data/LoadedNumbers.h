#pragma once

#include "Result.h"
#include "data/NameDatabase.h"

namespace jm {

/// The largest stroke count the dictionary may hold. The most complex
/// characters in Unicode have well under 100 strokes; anything above is a
/// damaged or crafted file, and sums of such counts would overflow.
inline constexpr int kMaxStrokeCount = 99;

/// Checks the numbers that the program computes with, right after the
/// tables are loaded: both stroke counts of NM_CNWord lie within 0 to
/// kMaxStrokeCount, as integers or texts of integers (NULL and non-numeric
/// texts read as 0 and are fine). The failure names the table, the
/// character and the value. Reads only.
Result<void> checkLoadedNumbers(NameDatabase& db);

} // namespace jm
