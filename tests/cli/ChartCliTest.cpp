#include "chart/BirthChart.h"
#include "support/CliRunner.h"
#include "text/Text.h"

#include <gtest/gtest.h>

#include <string>

using jm::test::runCli;

TEST(ChartCli, PrintsTheChartBoxText)
{
    const auto r = runCli("chart 2017-10-20 08");
    ASSERT_EQ(r.status, 0) << r.out;
    std::string want = jm::runBirthChart("2017", "10", "20", "8").text;
    jm::replaceAll(want, "\r\n", "\n");
    EXPECT_EQ(r.out, want + "\n");
    EXPECT_EQ(r.out.substr(0, r.out.find("\n\n农历")), "公历日期：2017年10月20日8时");
}

TEST(LunarCli, PrintsLunarDateAndPillars)
{
    const struct {
        const char* args;
        const char* out;
    } cases[] = {
        { "lunar 2017-07-23 06", "丁酉年(鸡)闰六月初一 2017-7-23\n丁酉 丁未 辛亥 辛卯\n" },
        { "lunar 2017-10-20 8", "丁酉年(鸡)九月初一 2017-10-20\n丁酉 庚戌 庚辰 庚辰\n" },
        { "lunar 2000-01-01", "己卯年(兔)冬月廿五 2000-1-1\n己卯 丙子 戊午 壬子\n" },
        // 立春 2017 falls at 23:34:02 (computed); the minute and second count.
        // The lunar date keeps its lunar year (丁酉 began on 2017-01-28); only the pillars wait for 立春.
        { "lunar 2017-02-03 23:34:01", "丁酉年(鸡)正月初七 2017-2-3\n丙申 辛丑 壬戌 庚子\n" },
        { "lunar 2017-02-03 23:34:02", "丁酉年(鸡)正月初七 2017-2-3\n丁酉 壬寅 壬戌 庚子\n" },
        { "lunar 2033-12-22 --format '%M%D'", "闰冬月初一\n癸丑 甲子 丁未 庚子\n" },
        { "lunar 1901-02-19 --format=%Y", "辛丑\n辛丑 庚寅 戊辰 壬子\n" },
        { "lunar 2020-01-25", "庚子年(鼠)正月初一 2020-1-25\n己亥 丁丑 丁卯 庚子\n" },
        { "lunar 2020-01-25 --format '%P(%A) %Y(%S)'", "己亥(猪) 庚子(鼠)\n己亥 丁丑 丁卯 庚子\n" },
        { "lunar 2048-12-31 23", "戊辰年(龙)冬月廿七 2048-12-31\n戊辰 甲子 丙子 戊子\n" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const auto r = runCli(c.args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, c.out);
    }
}

TEST(ChartCli, BadInputFailsClearly)
{
    const struct {
        const char* args;
        const char* message;
    } cases[] = {
        { "chart 2017-02-30 8", "no such date: 2017-02-30" },
        { "chart 2017-10-20 24", "bad time" },
        { "chart 2017-10-20 8:30", "whole number" },
        { "chart 2017/10/20 8", "bad date (want YYYY-MM-DD)" },
        { "chart 2017-10-20", "usage: jiaming-cli chart" },
        { "chart 1901-02-18 8", "outside the calendar's range" },
        { "lunar 2049-01-01", "outside the calendar's range" },
        { "lunar 2017-10-20 8:60", "bad time" },
        { "lunar 2017-10-20 8 9", "usage: jiaming-cli lunar" },
        { "lunar", "usage: jiaming-cli lunar" },
        { "lunar 2017-10-20 --format", "needs a value" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const auto r = runCli(c.args);
        EXPECT_NE(r.status, 0);
        EXPECT_NE(r.out.find(c.message), std::string::npos) << r.out;
    }
}
