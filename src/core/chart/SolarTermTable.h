#pragma once

#include <cstdint>
#include <optional>

namespace jm {

// The moments of the 24 solar terms of every year 1880-2079 in China Standard
// Time (UTC+8) to the second, computed by tools/solarterms/ (the Sun's
// apparent longitude reaching 285°, 300°, …, 270°). Entry k of a year:
// 1 小寒, 2 大寒, 3 立春, … , 23 大雪, 24 冬至; entry k falls in month ⌈k/2⌉.

inline constexpr int kSolarTermFirstYear = 1880;
inline constexpr int kSolarTermLastYear = 2079;

/// One entry: month, day, hour, minute and second in China Standard Time.
struct SolarTermRecord {
    std::uint8_t month;
    std::uint8_t day;
    std::uint8_t hour;
    std::uint8_t minute;
    std::uint8_t second;
};

/// The record of term k (1..24) of a year; nothing outside 1880..2079 or 1..24.
std::optional<SolarTermRecord> solarTermRecord(int year, int k);

/// The same moment as Unix seconds (UTC); nothing outside 1880..2079 or 1..24.
std::optional<std::int64_t> solarTermUnixSeconds(int year, int k);

} // namespace jm
