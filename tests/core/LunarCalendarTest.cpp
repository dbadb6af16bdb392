#include "chart/LunarCalendar.h"
#include "chart/SolarTermTable.h"

#include <gtest/gtest.h>

#include <string>

using namespace jm;

namespace {

std::string pillarsText(const DateTime& moment)
{
    std::string y, m, d, h;
    sexagenaryPillarNames(moment, &y, &m, &d, &h);
    return y + " " + m + " " + d + " " + h;
}

std::string dateText(const DateTime& t)
{
    return std::to_string(t.year) + "-" + std::to_string(t.month) + "-" + std::to_string(t.day) + " "
        + std::to_string(t.hour) + ":" + std::to_string(t.minute) + ":" + std::to_string(t.second);
}

} // namespace

TEST(LunarCalendar, SexagenaryNamesAndIndices)
{
    const struct {
        int index;
        const char* name;
    } cases[] = { { 1, "甲子" }, { 13, "丙子" }, { 16, "己卯" }, { 34, "丁酉" }, { 38, "辛丑" }, { 60, "癸亥" },
        { 0, "" }, { 61, "" }, { -1, "" } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(ganZhiName(c.index), c.name);
    }
    EXPECT_EQ(sexagenaryIndex(4, 10), 34); // 丁酉
    EXPECT_EQ(sexagenaryIndex(1, 2), 0); // 甲丑: different parity, no such pair
    EXPECT_EQ(sexagenaryIndex(0, 1), 0);
    EXPECT_EQ(stemOf(0), 0);
    EXPECT_EQ(branchOf(0), 0);
}

TEST(LunarCalendar, DaysSince1901)
{
    const struct {
        int y, m, d, days;
    } cases[] = { { 1901, 1, 1, 0 }, { 1901, 2, 19, 49 }, { 1904, 3, 1, 1155 }, { 2000, 3, 1, 36219 },
        { 2048, 12, 31, 54056 }, { 1900, 12, 31, -1 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.y) + "-" + std::to_string(c.m) + "-" + std::to_string(c.d));
        EXPECT_EQ(daysSince1901(c.y, c.m, c.d), c.days);
    }
}

TEST(LunarCalendar, GregorianToLunar)
{
    const struct {
        int y, m, d;
        LunarDate want;
    } cases[] = {
        { 1901, 2, 19, { 1901, 1, 1, false } }, // first day of the range
        { 2017, 6, 24, { 2017, 6, 1, false } },
        { 2017, 7, 22, { 2017, 6, 29, false } },
        { 2017, 7, 23, { 2017, 6, 1, true } }, // leap sixth month
        { 2017, 8, 11, { 2017, 6, 20, true } },
        { 2017, 8, 22, { 2017, 7, 1, false } },
        { 2033, 12, 22, { 2033, 11, 1, true } }, // leap eleventh month
        { 2018, 1, 1, { 2017, 11, 15, false } },
        { 2018, 2, 10, { 2017, 12, 25, false } },
        { 2048, 12, 31, { 2048, 11, 27, false } }, // last day of the range
        // Lunar new year's days of the real calendar.
        { 1949, 1, 29, { 1949, 1, 1, false } },
        { 1970, 2, 6, { 1970, 1, 1, false } },
        { 2000, 2, 5, { 2000, 1, 1, false } },
        { 2018, 2, 16, { 2018, 1, 1, false } },
        { 2020, 1, 25, { 2020, 1, 1, false } },
        { 2023, 1, 22, { 2023, 1, 1, false } },
        { 2025, 1, 29, { 2025, 1, 1, false } },
        { 2048, 2, 14, { 2048, 1, 1, false } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.y) + "-" + std::to_string(c.m) + "-" + std::to_string(c.d));
        LunarDate got;
        ASSERT_TRUE(toLunarDate(c.y, c.m, c.d, got));
        EXPECT_EQ(got, c.want) << got.year << "/" << got.month << "/" << got.day << (got.isLeapMonth ? " leap" : "");
    }
    const struct {
        int y, m, d;
    } rejected[] = { { 1901, 2, 18 }, { 1900, 6, 1 }, { 2049, 1, 1 }, { 2017, 0, 1 }, { 2017, 13, 1 } };
    for (const auto& c : rejected) {
        SCOPED_TRACE(std::to_string(c.y) + "-" + std::to_string(c.m) + "-" + std::to_string(c.d));
        LunarDate untouched { 7, 7, 7, true };
        EXPECT_FALSE(toLunarDate(c.y, c.m, c.d, untouched));
        EXPECT_EQ(untouched, (LunarDate { 7, 7, 7, true }));
    }
}

// Walks every day of the range: each lunar date follows the previous one, and
// a month ends exactly when the year table's mask says (29 or 30 days), with
// the leap month after its regular month. The day pillar advances by one a day.
TEST(LunarCalendar, EveryDayFollowsTheMonthLengthsOfTheYearTable)
{
    const auto entry = [](int lunarYear) { return LunarYearTable.at(static_cast<std::size_t>(lunarYear - 1901)); };
    const auto monthLength = [&](int lunarYear, int month, bool leap) {
        const LunarYear e = entry(lunarYear);
        const int bit = leap ? 15 - month : (e.leapMonth == 0 || month <= e.leapMonth ? 16 - month : 15 - month);
        return (e.monthMask >> bit) & 1 ? 30 : 29;
    };

    DateTime day { 1901, 2, 19, 12, 0, 0 };
    LunarDate previous;
    ASSERT_TRUE(toLunarDate(day.year, day.month, day.day, previous));
    ASSERT_EQ(previous, (LunarDate { 1901, 1, 1, false }));
    int previousDayPillar = pillarIndices(day).day;
    int daysSeen = 1;
    int monthsSeen = 1;
    while (true) {
        if (!isValidDate(day.year, day.month, ++day.day)) {
            day.day = 1;
            if (++day.month > 12) {
                day.month = 1;
                ++day.year;
            }
        }
        if (day.year > 2048) break;
        LunarDate current;
        ASSERT_TRUE(toLunarDate(day.year, day.month, day.day, current)) << dateText(day);
        LunarDate expected { previous.year, previous.month, previous.day + 1, previous.isLeapMonth };
        if (current.day == 1) {
            ++monthsSeen;
            EXPECT_EQ(previous.day, monthLength(previous.year, previous.month, previous.isLeapMonth)) << dateText(day);
            if (!previous.isLeapMonth && entry(previous.year).leapMonth == previous.month)
                expected = { previous.year, previous.month, 1, true };
            else if (previous.month == 12)
                expected = { static_cast<std::int16_t>(previous.year + 1), 1, 1, false };
            else
                expected = { previous.year, previous.month + 1, 1, false };
        }
        EXPECT_EQ(current, expected) << dateText(day);

        const int dayPillar = pillarIndices(day).day;
        EXPECT_EQ(dayPillar, previousDayPillar % 60 + 1) << dateText(day);
        if (HasFailure()) return; // one broken day is enough to report
        previous = current;
        previousDayPillar = dayPillar;
        ++daysSeen;
    }
    EXPECT_EQ(daysSeen, daysSince1901(2048, 12, 31) - daysSince1901(1901, 2, 19) + 1);
    EXPECT_GT(monthsSeen, 12 * 147); // the walk really crossed every lunar year
    EXPECT_EQ(previous, (LunarDate { 2048, 11, 27, false }));
}

TEST(LunarCalendar, FourPillars)
{
    const struct {
        DateTime moment;
        const char* pillars;
    } cases[] = {
        { { 1901, 2, 19, 0, 0, 0 }, "辛丑 庚寅 戊辰 壬子" },
        // 立春 2017 falls at 23:34: the day changes at 23:00 while the year and month stay.
        { { 2017, 2, 3, 22, 0, 0 }, "丙申 辛丑 辛酉 己亥" },
        { { 2017, 2, 3, 23, 0, 0 }, "丙申 辛丑 壬戌 庚子" },
        { { 2017, 2, 4, 0, 0, 0 }, "丁酉 壬寅 壬戌 庚子" },
        // 立春 2020 falls at 17:03.
        { { 2020, 2, 4, 17, 0, 0 }, "己亥 丁丑 丁丑 己酉" },
        { { 2020, 2, 4, 18, 0, 0 }, "庚子 戊寅 丁丑 己酉" },
        // After the lunar new year but before 立春: still the old year.
        { { 2020, 1, 25, 12, 0, 0 }, "己亥 丁丑 丁卯 丙午" },
        // Before 小寒: the month search runs out of the year (子 month of the previous year).
        { { 2018, 1, 1, 0, 0, 0 }, "丁酉 壬子 癸巳 壬子" },
        { { 2000, 1, 1, 0, 0, 0 }, "己卯 丙子 戊午 壬子" },
        { { 2017, 10, 20, 8, 0, 0 }, "丁酉 庚戌 庚辰 庚辰" },
        { { 2048, 12, 31, 23, 0, 0 }, "戊辰 甲子 丙子 戊子" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(dateText(c.moment));
        EXPECT_EQ(pillarsText(c.moment), c.pillars);
    }
    for (const DateTime outside : { DateTime { 1901, 2, 18, 12, 0, 0 }, DateTime { 2049, 1, 1, 0, 0, 0 },
             DateTime { 2017, 13, 1, 0, 0, 0 }, DateTime { 2017, 0, 1, 0, 0, 0 } }) {
        SCOPED_TRACE(dateText(outside));
        EXPECT_EQ(pillarIndices(outside), FourPillars {});
    }
}

// The year and month pillars change at the second of the term's moment.
TEST(LunarCalendar, PillarsChangeAtTheSecondOfTheTerm)
{
    for (const int year : { 1902, 1985, 2017, 2020, 2048 }) {
        const SolarTermRecord term = *solarTermRecord(year, 3); // 立春
        DateTime at { year, term.month, term.day, term.hour, term.minute, term.second };
        SCOPED_TRACE(dateText(at));
        DateTime before = at;
        if (--before.second < 0) {
            before.second = 59;
            if (--before.minute < 0) {
                before.minute = 59;
                --before.hour;
            }
        }
        ASSERT_GE(before.hour, 0);
        const FourPillars old = pillarIndices(before);
        const FourPillars now = pillarIndices(at);
        EXPECT_EQ(now.year, old.year % 60 + 1);
        EXPECT_EQ(branchOf(old.month), 2); // 丑
        EXPECT_EQ(branchOf(now.month), 3); // 寅
        EXPECT_EQ(now.day, old.day);
    }
}

TEST(LunarCalendar, PillarNamesOutputs)
{
    std::string y = "keep", m = "keep", d = "keep", h = "keep";
    EXPECT_FALSE(sexagenaryPillarNames({ 1900, 6, 1, 12, 0, 0 }, &y, &m, &d, &h));
    EXPECT_EQ(y + m + d + h, "keepkeepkeepkeep");

    EXPECT_TRUE(sexagenaryPillarNames({ 2049, 1, 1, 0, 0, 0 }, &y, &m, &d, &h));
    EXPECT_EQ(y + m + d + h, "");

    std::string onlyDay;
    EXPECT_TRUE(sexagenaryPillarNames({ 2017, 10, 20, 8, 0, 0 }, nullptr, nullptr, &onlyDay));
    EXPECT_EQ(onlyDay, "庚辰");
}

TEST(LunarCalendar, LunarDateText)
{
    const struct {
        DateTime moment;
        const char* format;
        const char* want;
    } cases[] = {
        { { 2017, 7, 23, 6, 0, 0 }, nullptr, "丁酉年(鸡)闰六月初一 2017-7-23" },
        { { 2017, 8, 11, 12, 0, 0 }, nullptr, "丁酉年(鸡)闰六月二十 2017-8-11" },
        // After 立春, before the lunar new year: the lunar date keeps its lunar year.
        { { 2018, 2, 10, 12, 0, 0 }, nullptr, "丁酉年(鸡)腊月廿五 2018-2-10" },
        { { 2018, 2, 10, 12, 0, 0 }, "%P(%A) %Y(%S)", "戊戌(狗) 丁酉(鸡)" },
        { { 2017, 10, 20, 8, 0, 0 }, nullptr, "丁酉年(鸡)九月初一 2017-10-20" },
        { { 2033, 12, 22, 0, 0, 0 }, nullptr, "癸丑年(牛)闰冬月初一 2033-12-22" },
        { { 2017, 10, 29, 0, 0, 0 }, "%M%D", "九月初十" },
        { { 2017, 10, 30, 0, 0, 0 }, "%M%D", "九月十一" },
        { { 2017, 11, 9, 0, 0, 0 }, "%M%D", "九月廿一" },
        { { 2017, 12, 17, 0, 0, 0 }, "%M%D", "十月三十" },
        { { 2018, 1, 1, 0, 0, 0 }, "%Y年    %M  %D日  ", "丁酉年    冬月  十五日  " },
        // Lunar new year before 立春: %Y names the new lunar year, %P the year pillar.
        { { 2020, 1, 25, 0, 0, 0 }, "%Y(%S) %M%D", "庚子(鼠) 正月初一" },
        { { 2020, 1, 24, 0, 0, 0 }, "%Y(%S) %M%D", "己亥(猪) 腊月三十" },
        { { 2020, 1, 25, 0, 0, 0 }, "%P(%A)", "己亥(猪)" },
        { { 2020, 2, 4, 18, 0, 0 }, "%P(%A) %Y", "庚子(鼠) 庚子" },
        { { 2017, 10, 20, 8, 0, 0 }, "", "丁酉年(鸡)九月初一 2017-10-20" }, // empty = default
        { { 2017, 3, 5, 0, 0, 0 }, "%d.%m.%y %d %Y%Y %s", "5.3.2017 5 丁酉丁酉 %s" },
        { { 2049, 6, 1, 0, 0, 0 }, nullptr, "年() 2049-6-1" }, // outside the range
        { { 1901, 2, 18, 0, 0, 0 }, "%Y|%P", "|" }, // the day before lunar 1901
        { { 2048, 12, 31, 0, 0, 0 }, "%Y(%S) %M%D", "戊辰(龙) 冬月廿七" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(dateText(c.moment));
        EXPECT_EQ(c.format ? formatLunarDate(c.moment, c.format) : formatLunarDate(c.moment), c.want);
    }
}

// In mid-year both the lunar new year and 立春 are past, so the lunar year
// and the year pillar agree; in the days between the two boundaries they differ by one.
TEST(LunarCalendar, LunarYearAndYearPillarAgreeBetweenTheBoundaries)
{
    for (int year = 1902; year <= 2048; ++year) {
        SCOPED_TRACE(year);
        const DateTime midYear { year, 6, 1, 12, 0, 0 };
        EXPECT_EQ(lunarYearIndex(year), pillarIndices(midYear).year);
        EXPECT_EQ(formatLunarDate(midYear, "%Y%S"), formatLunarDate(midYear, "%P%A"));
    }
    EXPECT_EQ(lunarYearIndex(1901), 38);
    EXPECT_EQ(lunarYearIndex(1900), 0);
    EXPECT_EQ(lunarYearIndex(2050), 0);
}
