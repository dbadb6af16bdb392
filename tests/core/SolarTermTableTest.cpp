#include "chart/SolarTermTable.h"
#include "chart/LunarCalendar.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace jm;

namespace {

// Seconds of a China Standard Time moment from 1970-01-01 00:00 UTC.
std::int64_t unixSeconds(int year, int month, int day, int hour, int minute, int second)
{
    const std::int64_t days = daysSince1901(year, month, day) - daysSince1901(1970, 1, 1);
    return days * 86400 + hour * 3600 + minute * 60 + second - 8 * 3600;
}

} // namespace

// Published moments (China Standard Time) that the computed table must meet
// within 30 s; the astronomical computation lands about 10 s later.
TEST(SolarTermTable, MeetsPublishedMoments)
{
    const struct {
        int year, k, month, day, hour, minute, second;
    } cases[] = {
        { 2017, 1, 1, 5, 11, 55, 35 },
        { 2017, 2, 1, 20, 5, 23, 27 },
        { 2017, 3, 2, 3, 23, 33, 54 },
        { 2017, 4, 2, 18, 19, 31, 10 },
        { 2017, 5, 3, 5, 17, 32, 34 },
        { 2017, 6, 3, 20, 18, 28, 29 },
        { 2017, 7, 4, 4, 22, 17, 10 },
        { 2017, 8, 4, 20, 5, 26, 51 },
        { 2017, 9, 5, 5, 15, 30, 52 },
        { 2017, 10, 5, 21, 4, 30, 46 },
        { 2017, 11, 6, 5, 19, 36, 26 },
        { 2017, 12, 6, 21, 12, 23, 59 },
        { 2017, 13, 7, 7, 5, 50, 31 },
        { 2017, 14, 7, 22, 23, 15, 11 },
        { 2017, 15, 8, 7, 15, 39, 49 },
        { 2017, 16, 8, 23, 6, 20, 2 },
        { 2017, 17, 9, 7, 18, 38, 26 },
        { 2017, 18, 9, 23, 4, 1, 37 },
        { 2017, 19, 10, 8, 10, 21, 57 },
        { 2017, 20, 10, 23, 13, 26, 30 },
        { 2017, 21, 11, 7, 13, 37, 38 },
        { 2017, 22, 11, 22, 11, 4, 28 },
        { 2017, 23, 12, 7, 6, 32, 28 },
        { 2017, 24, 12, 22, 0, 27, 46 },
        { 2020, 3, 2, 4, 17, 3, 6 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.year) + " term " + std::to_string(c.k));
        const std::int64_t table = *solarTermUnixSeconds(c.year, c.k);
        const std::int64_t published = unixSeconds(c.year, c.month, c.day, c.hour, c.minute, c.second);
        EXPECT_LE(std::llabs(table - published), 30) << "table - published = " << table - published << " s";
        const SolarTermRecord r = *solarTermRecord(c.year, c.k);
        EXPECT_EQ(unixSeconds(c.year, r.month, r.day, r.hour, r.minute, r.second), table);
    }
}

// Every entry lies in its month and follows the previous one (across year
// ends too) by 14 to 16 days: a swapped, missing or mistyped entry shows here.
TEST(SolarTermTable, EntriesAreOrderedAndEvenlySpaced)
{
    std::int64_t previous = 0;
    for (int year = kSolarTermFirstYear; year <= kSolarTermLastYear; ++year) {
        for (int k = 1; k <= 24; ++k) {
            SCOPED_TRACE(std::to_string(year) + " term " + std::to_string(k));
            const SolarTermRecord r = *solarTermRecord(year, k);
            ASSERT_EQ(r.month, (k + 1) / 2);
            ASSERT_TRUE(isValidDate(year, r.month, r.day));
            ASSERT_LT(r.hour, 24);
            ASSERT_LT(r.minute, 60);
            ASSERT_LT(r.second, 60);
            const std::int64_t now = *solarTermUnixSeconds(year, k);
            if (previous != 0) {
                const std::int64_t gap = now - previous;
                ASSERT_GT(gap, 14 * 86400) << gap;
                ASSERT_LT(gap, 16 * 86400) << gap;
            }
            previous = now;
        }
    }
    EXPECT_FALSE(solarTermRecord(1879, 24));
    EXPECT_FALSE(solarTermRecord(2080, 1));
    EXPECT_FALSE(solarTermRecord(2017, 0));
    EXPECT_FALSE(solarTermUnixSeconds(2017, 25));
}

TEST(SolarTermTable, TermOfADay)
{
    const struct {
        int y, m, d, term;
    } cases[] = {
        { 2017, 1, 5, 1 },
        { 2017, 2, 3, 3 },
        { 2017, 7, 7, 13 },
        { 2017, 12, 22, 24 },
        { 2020, 2, 4, 3 },
        { 2017, 1, 4, 0 },
        { 2017, 2, 4, 0 },
        { 2017, 12, 31, 0 },
        { 1879, 1, 6, 0 },
        { 2080, 1, 6, 0 }, // outside the table
        { 2079, 12, 22, 24 },
        { 1880, 1, 6, 1 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.y) + "-" + std::to_string(c.m) + "-" + std::to_string(c.d));
        EXPECT_EQ(solarTermOn(c.y, c.m, c.d), c.term);
    }
}
