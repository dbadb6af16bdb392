#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace jm {

// The Chinese lunar calendar and the sexagenary cycle (干支) for Gregorian
// dates from 1901-02-19 (lunar 1901, first month, first day) to 2048-12-31.
// Dates are proleptic Gregorian. Everything here is a pure function over
// constant tables: safe to call from any thread.

/// A Gregorian date and time of day. Fields are not validated on
/// construction; the functions below say what they accept.
struct DateTime {
    int year = 1901;
    int month = 1; ///< 1..12
    int day = 1;
    int hour = 0; ///< 0..23
    int minute = 0;
    int second = 0;
};

struct LunarDate {
    std::int16_t year = 0;
    int month = 0; ///< 1..12
    int day = 0; ///< 1..30
    bool isLeapMonth = false;

    friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

/// Sexagenary indices 1..60 (1 = 甲子, 60 = 癸亥) of the year, month, day and
/// hour pillars; 0 means no pillar.
struct FourPillars {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;

    friend bool operator==(const FourPillars&, const FourPillars&) = default;
};

/// One lunar year: the month-size mask W and the leap month L (0 = none; the
/// leap month follows regular month L). Regular month m uses bit 16 - m while
/// m <= L or L == 0, else bit 15 - m; the leap month uses bit 15 - L. A set bit
/// is a month of 30 days, a clear bit one of 29.
struct LunarYear {
    std::uint16_t monthMask;
    int leapMonth;
};

inline constexpr int kLunarFirstYear = 1901;
inline constexpr int kLunarLastYear = 2049;
/// Lunar years 1901..2049, indexed by year - 1901.
extern const std::array<LunarYear, 149> LunarYearTable;

/// Stems (1 甲 .. 10 癸) of the month pillar: row (year stem - 1) mod 5,
/// column month branch - 1 (子 .. 亥).
extern const std::array<std::array<int, 12>, 5> MonthStemTable;
/// Stems of the hour pillar: row (day stem - 1) mod 5, column hour branch - 1.
extern const std::array<std::array<int, 12>, 5> HourStemTable;

/// Stem 1..10 of a sexagenary index ((i - 1) mod 10 + 1); 0 for index 0.
int stemOf(int index);
/// Branch 1..12 of a sexagenary index ((i - 1) mod 12 + 1); 0 for index 0.
int branchOf(int index);
/// The index 1..60 of a stem and a branch; 0 when the pair does not exist
/// (different parity or out of range).
int sexagenaryIndex(int stem, int branch);

/// "甲" .. "癸" for stem 1..10, else empty.
std::string_view stemName(int stem);
/// "子" .. "亥" for branch 1..12, else empty.
std::string_view branchName(int branch);
/// Zodiac animal "鼠" .. "猪" of branch 1..12, else empty.
std::string_view zodiacAnimal(int branch);

/// Two-character name of sexagenary index 1..60 ("甲子" .. "癸亥"); empty
/// for any other index.
std::string ganZhiName(int index);

/// Sexagenary index of a lunar year 1901..2049 (1901 辛丑 = 38), counted from
/// its first day 正月初一; 0 outside that range. The year pillar differs: it
/// changes at 立春.
int lunarYearIndex(int lunarYear);

/// Days from 1901-01-01 (day 0) to the date; negative before it.
int daysSince1901(int year, int month, int day);

/// True when the Gregorian date exists (month 1..12, day within the month).
bool isValidDate(int year, int month, int day);

/// Number of days of a lunar month of a year in 1901..2049 (29 or 30); 0 when
/// the year, the month or the leap flag does not exist.
int lunarMonthLength(int lunarYear, int month, bool leap);

/// Lunar date of a Gregorian date. False (and `result` untouched) when the
/// month is outside 1..12, the year is above 2048 or the date is before
/// 1901-02-19. The day is not checked against the month's length.
bool toLunarDate(int year, int month, int day, LunarDate& result);

/// The solar term (1 小寒 .. 24 冬至) that falls on a Gregorian date in China
/// Standard Time, or 0 when none does or the year is outside 1880..2079.
int solarTermOn(int year, int month, int day);

/// The four pillar indices of a moment. The year and month pillars change at
/// the solar terms (the year at 立春), the day pillar at 23:00. All four are
/// 0 when the month is outside 1..12, the year is 2049 or later, or the date
/// is before 1901-02-19.
FourPillars pillarIndices(const DateTime& moment);

/// Writes `ganZhiName` of each pillar (empty for index 0) to the outputs the
/// caller passes (each may be null) and returns true. Returns false without
/// touching any output when the year is 1900 or earlier.
bool sexagenaryPillarNames(const DateTime& moment, std::string* yearName = nullptr, std::string* monthName = nullptr,
    std::string* dayName = nullptr, std::string* hourName = nullptr);

inline constexpr std::string_view kDefaultLunarFormat = "%Y年(%S)%M%D %y-%m-%d";

/// The lunar date text of a moment. The format's placeholders are replaced
/// in this order, each everywhere: %Y the lunar year's name (changes at
/// 正月初一), %S the lunar year's zodiac animal, %P the year pillar's name
/// (changes at 立春), %A the year pillar's animal, %M lunar month name ("闰"
/// first for a leap month; "正月" .. "十月", "冬月", "腊月"), %D lunar day
/// name ("初一" .. "三十"), %y %m %d the Gregorian year, month and day in
/// plain decimal. An empty format means `kDefaultLunarFormat`, whose year is
/// the lunar year, so that year, month and day name one lunar date. Outside
/// the lunar range the names of %Y %S %M %D are empty, and %P %A outside the
/// range of `pillarIndices`.
std::string formatLunarDate(const DateTime& moment, std::string_view format = kDefaultLunarFormat);

} // namespace jm
