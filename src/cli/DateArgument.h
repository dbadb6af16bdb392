#pragma once

#include "chart/LunarCalendar.h"

#include <optional>
#include <string>
#include <string_view>

namespace jm::cli {

/// Reads "YYYY-MM-DD" and an optional time "HH[:MM[:SS]]" (empty = 00:00:00)
/// into a moment inside the calendar's range 1901-02-19..2048-12-31. On
/// failure returns nothing and sets `error` to a one-line reason.
std::optional<DateTime> parseMoment(std::string_view date, std::string_view time, std::string& error);

} // namespace jm::cli
