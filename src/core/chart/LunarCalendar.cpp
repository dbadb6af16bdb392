#include "chart/LunarCalendar.h"

#include "chart/SolarTermTable.h"
#include "text/Text.h"

namespace jm {

// clang-format off
const std::array<LunarYear, 149> LunarYearTable = {{
    {0x4AE0, 0}, {0xA570, 0}, {0x5268, 5}, {0xD260, 0}, {0xD950, 0}, {0x6AA8, 4}, {0x56A0, 0}, {0x9AD0, 0}, {0x4AE8, 2}, {0x4AE0, 0}, // 1901
    {0xA4D8, 6}, {0xA4D0, 0}, {0xD250, 0}, {0xD548, 5}, {0xB540, 0}, {0xD6A0, 0}, {0x96D0, 2}, {0x95B0, 0}, {0x49B8, 7}, {0x4970, 0}, // 1911
    {0xA4B0, 0}, {0xB258, 5}, {0x6A50, 0}, {0x6D40, 0}, {0xADA8, 4}, {0x2B60, 0}, {0x9570, 0}, {0x4978, 2}, {0x4970, 0}, {0x64B0, 6}, // 1921
    {0xD4A0, 0}, {0xEA50, 0}, {0x6D48, 5}, {0x5AD0, 0}, {0x2B60, 0}, {0x9370, 3}, {0x92E0, 0}, {0xC968, 7}, {0xC950, 0}, {0xD4A0, 0}, // 1931
    {0xDA50, 6}, {0xB550, 0}, {0x56A0, 0}, {0xAAD8, 4}, {0x25D0, 0}, {0x92D0, 0}, {0xC958, 2}, {0xA950, 0}, {0xB4A8, 7}, {0x6CA0, 0}, // 1941
    {0xB550, 0}, {0x55A8, 5}, {0x4DA0, 0}, {0xA5B0, 0}, {0x52B8, 3}, {0x52B0, 0}, {0xA950, 8}, {0xE950, 0}, {0x6AA0, 0}, {0xAD50, 6}, // 1951
    {0xAB50, 0}, {0x4B60, 0}, {0xA570, 4}, {0xA570, 0}, {0x5260, 0}, {0xE930, 3}, {0xD950, 0}, {0x5AA8, 7}, {0x56A0, 0}, {0x96D0, 0}, // 1961
    {0x4AE8, 5}, {0x4AD0, 0}, {0xA4D0, 0}, {0xD268, 4}, {0xD250, 0}, {0xD528, 8}, {0xB540, 0}, {0xB6A0, 0}, {0x96D0, 6}, {0x95B0, 0}, // 1971
    {0x49B0, 0}, {0xA4B8, 4}, {0xA4B0, 0}, {0xB258, 10}, {0x6A50, 0}, {0x6D40, 0}, {0xADA0, 6}, {0xAB60, 0}, {0x9570, 0}, {0x4978, 5}, // 1981
    {0x4970, 0}, {0x64B0, 0}, {0x6A50, 3}, {0xEA50, 0}, {0x6B28, 8}, {0x5AC0, 0}, {0xAB60, 0}, {0x9368, 5}, {0x92E0, 0}, {0xC960, 0}, // 1991
    {0xD4A8, 4}, {0xD4A0, 0}, {0xDA50, 0}, {0x5AA8, 2}, {0x56A0, 0}, {0xAAD8, 7}, {0x25D0, 0}, {0x92D0, 0}, {0xC958, 5}, {0xA950, 0}, // 2001
    {0xB4A0, 0}, {0xB550, 4}, {0xAD50, 0}, {0x55A8, 9}, {0x4BA0, 0}, {0xA5B0, 0}, {0x52B8, 6}, {0x52B0, 0}, {0xA930, 0}, {0x74A8, 4}, // 2011
    {0x6AA0, 0}, {0xAD50, 0}, {0x4DA8, 2}, {0x4B60, 0}, {0xA570, 6}, {0xA4E0, 0}, {0xD260, 0}, {0xE930, 5}, {0xD530, 0}, {0x5AA0, 0}, // 2021
    {0x6B50, 3}, {0x96D0, 0}, {0x4AE8, 11}, {0x4AD0, 0}, {0xA4D0, 0}, {0xD258, 6}, {0xD250, 0}, {0xD520, 0}, {0xDAA0, 5}, {0xB5A0, 0}, // 2031
    {0x56D0, 0}, {0x4AD8, 2}, {0x49B0, 0}, {0xA4B8, 7}, {0xA4B0, 0}, {0xAA50, 0}, {0xB528, 5}, {0x6D20, 0}, {0xADA0, 0},               // 2041
}};

// Stems: 1 甲 2 乙 3 丙 4 丁 5 戊 6 己 7 庚 8 辛 9 壬 10 癸; columns 子 丑 寅 卯 辰 巳 午 未 申 酉 戌 亥.
const std::array<std::array<int, 12>, 5> MonthStemTable = {{
    {3, 4, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2},   // 甲/己
    {5, 6, 5, 6, 7, 8, 9, 10, 1, 2, 3, 4},   // 乙/庚
    {7, 8, 7, 8, 9, 10, 1, 2, 3, 4, 5, 6},   // 丙/辛
    {9, 10, 9, 10, 1, 2, 3, 4, 5, 6, 7, 8},  // 丁/壬
    {1, 2, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10},   // 戊/癸
}};

const std::array<std::array<int, 12>, 5> HourStemTable = {{
    {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2},   // 甲/己
    {3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 3, 4},   // 乙/庚
    {5, 6, 7, 8, 9, 10, 1, 2, 3, 4, 5, 6},   // 丙/辛
    {7, 8, 9, 10, 1, 2, 3, 4, 5, 6, 7, 8},   // 丁/壬
    {9, 10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10},  // 戊/癸
}};
// clang-format on

namespace {

constexpr std::array<std::string_view, 10> kStems = { "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸" };
constexpr std::array<std::string_view, 12> kBranches
    = { "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥" };
constexpr std::array<std::string_view, 12> kAnimals
    = { "鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪" };
constexpr std::array<std::string_view, 10> kMonthNumerals
    = { "正", "二", "三", "四", "五", "六", "七", "八", "九", "十" };
constexpr std::array<std::string_view, 10> kDayNumerals
    = { "一", "二", "三", "四", "五", "六", "七", "八", "九", "十" };
constexpr std::array<std::string_view, 4> kDayPrefixes = { "初", "十", "廿", "三" };

constexpr int kCumulativeMonthDays[12] = { 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334 };

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static constexpr int kDays[12] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

int floorDiv(int a, int b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

// Day 49 after 1901-01-01 is 1901-02-19, lunar 1901-01-01.
constexpr int kFirstLunarDay = 49;

bool isBeforeLunarRange(int year, int month, int day)
{
    return daysSince1901(year, month, day) < kFirstLunarDay;
}

int lunarYearLength(int lunarYear)
{
    const LunarYear& entry = LunarYearTable[static_cast<std::size_t>(lunarYear - kLunarFirstYear)];
    int length = 0;
    for (int m = 1; m <= 12; ++m)
        length += lunarMonthLength(lunarYear, m, false);
    if (entry.leapMonth != 0) length += lunarMonthLength(lunarYear, entry.leapMonth, true);
    return length;
}

std::string lunarMonthName(const LunarDate& date)
{
    std::string name = date.isLeapMonth ? "闰" : "";
    if (date.month >= 1 && date.month <= 10)
        name.append(kMonthNumerals[static_cast<std::size_t>(date.month - 1)]).append("月");
    else if (date.month == 11)
        name += "冬月";
    else if (date.month == 12)
        name += "腊月";
    return name;
}

std::string lunarDayName(int day)
{
    if (day == 20) return "二十";
    if (day == 30) return "三十";
    if (day < 1 || day > 30) return {};
    std::string name(kDayPrefixes[static_cast<std::size_t>((day - 1) / 10)]);
    return name.append(kDayNumerals[static_cast<std::size_t>((day - 1) % 10)]);
}

// The solar term governing a moment: the last term whose moment is not later
// than it within the same Gregorian year; 0 before that year's 小寒.
int governingSolarTerm(const DateTime& moment)
{
    int term = solarTermOn(moment.year, moment.month, moment.day);
    if (term != 0) {
        const auto record = solarTermRecord(moment.year, term);
        const int termSecond = record->hour * 3600 + record->minute * 60 + record->second;
        const int momentSecond = moment.hour * 3600 + moment.minute * 60 + moment.second;
        if (termSecond > momentSecond) --term;
        return term;
    }
    int year = moment.year;
    int month = moment.month;
    int day = moment.day;
    while (true) {
        if (--day < 1) {
            if (--month < 1) return 0; // stepped out of the year
            day = daysInMonth(year, month);
        }
        term = solarTermOn(year, month, day);
        if (term != 0) return term;
    }
}

} // namespace

int stemOf(int index)
{
    return index == 0 ? 0 : (index - 1) % 10 + 1;
}

int branchOf(int index)
{
    return index == 0 ? 0 : (index - 1) % 12 + 1;
}

int sexagenaryIndex(int stem, int branch)
{
    if (stem < 1 || stem > 10 || branch < 1 || branch > 12) return 0;
    for (int i = 1; i <= 60; ++i)
        if (stemOf(i) == stem && branchOf(i) == branch) return i;
    return 0;
}

std::string_view stemName(int stem)
{
    return stem >= 1 && stem <= 10 ? kStems[static_cast<std::size_t>(stem - 1)] : std::string_view();
}

std::string_view branchName(int branch)
{
    return branch >= 1 && branch <= 12 ? kBranches[static_cast<std::size_t>(branch - 1)] : std::string_view();
}

std::string_view zodiacAnimal(int branch)
{
    return branch >= 1 && branch <= 12 ? kAnimals[static_cast<std::size_t>(branch - 1)] : std::string_view();
}

int lunarYearIndex(int lunarYear)
{
    if (lunarYear < kLunarFirstYear || lunarYear > kLunarLastYear) return 0;
    // Lunar 1901 is 辛丑, index 38.
    return (lunarYear - kLunarFirstYear + 37) % 60 + 1;
}

std::string ganZhiName(int index)
{
    if (index < 1 || index > 60) return {};
    return std::string(stemName(stemOf(index))).append(branchName(branchOf(index)));
}

int daysSince1901(int year, int month, int day)
{
    const int years = year - 1901;
    // Leap years from 1901 up to (not including) `year`.
    const auto leapsBefore = [](int y) { return floorDiv(y, 4) - floorDiv(y, 100) + floorDiv(y, 400); };
    int days = 365 * years + leapsBefore(year - 1) - leapsBefore(1900);
    if (month >= 1 && month <= 12) days += kCumulativeMonthDays[month - 1];
    if (isLeapYear(year) && month >= 3) ++days;
    return days + day - 1;
}

bool isValidDate(int year, int month, int day)
{
    return month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month);
}

int lunarMonthLength(int lunarYear, int month, bool leap)
{
    if (lunarYear < kLunarFirstYear || lunarYear > kLunarLastYear || month < 1 || month > 12) return 0;
    const LunarYear& entry = LunarYearTable[static_cast<std::size_t>(lunarYear - kLunarFirstYear)];
    int bit = 0;
    if (leap) {
        if (entry.leapMonth != month) return 0;
        bit = 15 - month;
    } else {
        bit = entry.leapMonth == 0 || month <= entry.leapMonth ? 16 - month : 15 - month;
    }
    return (entry.monthMask >> bit) & 1 ? 30 : 29;
}

bool toLunarDate(int year, int month, int day, LunarDate& result)
{
    if (month < 1 || month > 12 || year > 2048 || isBeforeLunarRange(year, month, day)) return false;
    int n = daysSince1901(year, month, day) - kFirstLunarDay;
    int lunarYear = kLunarFirstYear;
    while (n >= lunarYearLength(lunarYear)) {
        n -= lunarYearLength(lunarYear);
        if (++lunarYear > kLunarLastYear) return false; // only a day number far past its month gets here
    }
    const int leapMonth = LunarYearTable[static_cast<std::size_t>(lunarYear - kLunarFirstYear)].leapMonth;
    int m = 1;
    while (true) {
        const int length = lunarMonthLength(lunarYear, m, false);
        if (n < length) break;
        n -= length;
        if (m == leapMonth) {
            const int leapLength = lunarMonthLength(lunarYear, m, true);
            if (n < leapLength) {
                result = { static_cast<std::int16_t>(lunarYear), m, n + 1, true };
                return true;
            }
            n -= leapLength;
        }
        ++m;
    }
    result = { static_cast<std::int16_t>(lunarYear), m, n + 1, false };
    return true;
}

int solarTermOn(int year, int month, int day)
{
    if (year < kSolarTermFirstYear || year > kSolarTermLastYear) return 0;
    for (int k = 1; k <= 24; ++k) {
        const SolarTermRecord record = *solarTermRecord(year, k);
        if (record.month > month) return 0;
        if (record.month == month && record.day == day) return k;
    }
    return 0;
}

FourPillars pillarIndices(const DateTime& moment)
{
    if (moment.month < 1 || moment.month > 12 || moment.year >= 2049
        || isBeforeLunarRange(moment.year, moment.month, moment.day))
        return {};
    FourPillars pillars;
    pillars.year = (moment.year - 1901) % 60 + 38; // 1901 is 辛丑, index 38
    if (pillars.year > 60) pillars.year -= 60;

    const int term = governingSolarTerm(moment);
    if (term <= 2) pillars.year = pillars.year == 1 ? 60 : pillars.year - 1; // before this year's 立春

    const int k = term == 0 ? 24 : term;
    int monthBranch = (k - 1) / 2 + 2;
    if (monthBranch > 12) monthBranch -= 12;
    const int monthStem = MonthStemTable[static_cast<std::size_t>((stemOf(pillars.year) - 1) % 5)]
                                        [static_cast<std::size_t>(monthBranch - 1)];
    pillars.month = sexagenaryIndex(monthStem, monthBranch);

    pillars.day = daysSince1901(moment.year, moment.month, moment.day) % 60 + 16; // 1901-01-01 is 己卯, index 16
    if (pillars.day > 60) pillars.day -= 60;
    if (moment.hour >= 23) pillars.day = pillars.day == 60 ? 1 : pillars.day + 1;

    const int hourBranch = moment.hour >= 23 || moment.hour < 1 ? 1 : (moment.hour - 1) / 2 + 2;
    const int hourStem = HourStemTable[static_cast<std::size_t>((stemOf(pillars.day) - 1) % 5)]
                                      [static_cast<std::size_t>(hourBranch - 1)];
    pillars.hour = sexagenaryIndex(hourStem, hourBranch);
    return pillars;
}

bool sexagenaryPillarNames(
    const DateTime& moment, std::string* yearName, std::string* monthName, std::string* dayName, std::string* hourName)
{
    if (moment.year <= 1900) return false;
    const FourPillars pillars = pillarIndices(moment);
    if (yearName) *yearName = ganZhiName(pillars.year);
    if (monthName) *monthName = ganZhiName(pillars.month);
    if (dayName) *dayName = ganZhiName(pillars.day);
    if (hourName) *hourName = ganZhiName(pillars.hour);
    return true;
}

std::string formatLunarDate(const DateTime& moment, std::string_view format)
{
    std::string text(format.empty() ? kDefaultLunarFormat : format);
    LunarDate lunar;
    const bool inRange = toLunarDate(moment.year, moment.month, moment.day, lunar);
    const FourPillars pillars = pillarIndices(moment);
    const int lunarYear = inRange ? lunarYearIndex(lunar.year) : 0;
    replaceAll(text, "%Y", ganZhiName(lunarYear));
    replaceAll(text, "%S", zodiacAnimal(branchOf(lunarYear)));
    replaceAll(text, "%P", ganZhiName(pillars.year));
    replaceAll(text, "%A", zodiacAnimal(branchOf(pillars.year)));
    replaceAll(text, "%M", inRange ? lunarMonthName(lunar) : std::string());
    replaceAll(text, "%D", inRange ? lunarDayName(lunar.day) : std::string());
    replaceAll(text, "%y", decimal(moment.year));
    replaceAll(text, "%m", decimal(moment.month));
    replaceAll(text, "%d", decimal(moment.day));
    return text;
}

} // namespace jm
