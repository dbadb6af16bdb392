#include "chart/BirthChart.h"
#include "chart/ZodiacAdvice.h"

#include <gtest/gtest.h>

#include <string>

using namespace jm;

namespace {

const std::string kRoosterAdvice = "生肖属相：鸡。\r\n\r\n鸡年出生的人取名偏旁部首：\r\n\r\n"
                                   "宜：米、豆、虫、木、禾、玉、月、宀、山、艹、金、钅等部首为吉。\r\n\r\n"
                                   "忌：石、犭、刀、力、日、酉、血、弓、才、乡、车、马等部首。";

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(BirthChart, WorkedExample)
{
    const BirthChart chart = runBirthChart("2017", "10", "20", "8");
    ASSERT_TRUE(chart.valid);
    EXPECT_EQ(chart.text,
        "公历日期：2017年10月20日8时\r\n\r\n"
        "农历日期：丁酉年    九月  初一日  庚辰时\r\n\r\n"
        "八字四柱：丁酉年  庚戌月  庚辰日  庚辰时\r\n\r\n"
        "八字五行：火,金,金,土,金,土,金,土, ( 五行缺：木水 ) \r\n\r\n"
        "五行纳音：山下火  钗钏金  白蜡金  白蜡金\r\n\r\n"
        "年份界限：农历日期以正月初一换年；年柱、纳音与生肖以立春换年（2017年立春：2月3日23:34）。\r\n\r\n"
            + kRoosterAdvice);
    EXPECT_EQ(chart.elementList, "火,金,金,土,金,土,金,土,");
    EXPECT_EQ(chart.missing, "木水");
    EXPECT_EQ(chart.missingText, "五行缺：木水");
}

TEST(BirthChart, EdgeDates)
{
    const struct {
        const char *year, *month, *day, *hour;
        const char* pillars;
        const char* elementList;
        const char* missing;
        const char* animal;
        const char* otherLine; // another line the chart must hold, or null
    } cases[] = {
        // 立春 2020 at 17:03: hour 17 still belongs to 己亥, hour 18 to 庚子.
        { "2020", "2", "4", "17", "己亥年  丁丑月  丁丑日  己酉时", "土,水,火,土,火,土,土,金,", "木", "猪", nullptr },
        { "2020", "2", "4", "18", "庚子年  戊寅月  丁丑日  己酉时", "金,水,土,木,火,土,土,金,", "", "鼠",
            "八字五行：金,水,土,木,火,土,土,金, ( 五行不缺 ) \r\n\r\n" },
        { "2018", "1", "1", "0", "丁酉年  壬子月  癸巳日  壬子时", "火,金,水,水,水,火,水,水,", "木土", "鸡",
            "农历日期：丁酉年    冬月  十五日  壬子时\r\n\r\n" },
        // Hour 23: the day and hour pillars move to the next day; the Gregorian line keeps the day chosen.
        { "2017", "2", "3", "23", "丙申年  辛丑月  壬戌日  庚子时", "火,金,金,土,水,土,金,水,", "木", "猴",
            "公历日期：2017年2月3日23时\r\n\r\n" },
        // Lunar new year's day before 立春: the old year's pillar and animal, the new lunar year.
        { "2020", "1", "25", "12", "己亥年  丁丑月  丁卯日  丙午时", "土,水,火,土,火,木,火,火,", "金", "猪",
            "农历日期：庚子年    正月  初一日  丙午时\r\n\r\n" },
        { "2020", "1", "25", "12", "己亥年  丁丑月  丁卯日  丙午时", "土,水,火,土,火,木,火,火,", "金", "猪",
            "（2020年立春：2月4日17:03）。\r\n\r\n" },
        // After 立春, before the lunar new year: the new pillar, the old lunar year.
        { "2018", "2", "10", "12", "戊戌年  甲寅月  癸酉日  戊午时", "土,土,木,木,水,金,土,火,", "", "狗",
            "农历日期：丁酉年    腊月  廿五日  戊午时\r\n\r\n" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.year) + "-" + c.month + "-" + c.day + " " + c.hour);
        const BirthChart chart = runBirthChart(c.year, c.month, c.day, c.hour);
        ASSERT_TRUE(chart.valid);
        EXPECT_TRUE(contains(chart.text, std::string("八字四柱：") + c.pillars + "\r\n\r\n")) << chart.text;
        EXPECT_EQ(chart.elementList, c.elementList);
        EXPECT_EQ(chart.missing, c.missing);
        EXPECT_TRUE(contains(chart.text, std::string("\r\n\r\n生肖属相：") + c.animal + "。")) << chart.text;
        if (c.otherLine) {
            EXPECT_TRUE(contains(chart.text, c.otherLine)) << chart.text;
        }
    }
}

// A day the month does not have, or texts that are no date, give the
// Gregorian line and one line saying why, and nothing else: no pillars, no
// advice and empty labels.
TEST(BirthChart, InvalidInputGivesAClearLine)
{
    const struct {
        const char *year, *month, *day, *hour;
        const char* line;
    } cases[] = {
        { "2017", "2", "30", "8", "日期无效：2017年2月只有28天，没有30日，请重新选择日期。" },
        { "2019", "2", "29", "0", "日期无效：2019年2月只有28天，没有29日，请重新选择日期。" },
        { "2017", "4", "31", "8", "日期无效：2017年4月只有30天，没有31日，请重新选择日期。" },
        { "2017", "10", "20", "24", "日期无效：时辰应在0至23时之间。" },
        { "2017", "13", "1", "8", "日期无效：月份应在1至12月之间。" },
        { "2017", "10", "0", "8", "日期无效：日子应在1至31日之间。" },
        { "", "10", "20", "8", "日期无效：请选择出生的年、月、日和时辰。" },
        { "2017", "10", "20", "八", "日期无效：请选择出生的年、月、日和时辰。" },
        { "1900", "5", "1", "0", "日期超出范围：只能查询1901年2月19日至2048年12月31日之间的日期。" },
        { "2049", "1", "1", "0", "日期超出范围：只能查询1901年2月19日至2048年12月31日之间的日期。" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.year) + "-" + c.month + "-" + c.day + " " + c.hour);
        const BirthChart chart = runBirthChart(c.year, c.month, c.day, c.hour);
        EXPECT_FALSE(chart.valid);
        EXPECT_EQ(chart.text,
            std::string("公历日期：") + c.year + "年" + c.month + "月" + c.day + "日" + c.hour + "时\r\n\r\n" + c.line
                + "\r\n\r\n");
        EXPECT_EQ(chart.elementList, "");
        EXPECT_EQ(chart.missing, "");
    }
    EXPECT_TRUE(runBirthChart("2020", "2", "29", "12").valid); // a real leap day
}

TEST(BirthChart, ElementsAndNayinOfPillars)
{
    const struct {
        const char* pillar;
        const char* pair;
        const char* nayin;
    } cases[] = { { "甲子", "木,水,", "海中金" }, { "乙丑", "木,土,", "海中金" }, { "丙申", "火,金,", "山下火" },
        { "庚戌", "金,土,", "钗钏金" }, { "癸亥", "水,水,", "大海水" },
        // the traditional names of pairs 16 and 21
        { "甲午", "木,火,", "沙中金" }, { "乙未", "木,土,", "沙中金" }, { "甲辰", "木,土,", "覆灯火" },
        { "乙巳", "木,火,", "覆灯火" }, { "", "", "" }, { "甲丑", "", "" } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pillar);
        EXPECT_EQ(elementPairOf(c.pillar), c.pair);
        EXPECT_EQ(nayinOf(c.pillar), c.nayin);
    }
}

TEST(ZodiacAdvice, TextsByYearPillar)
{
    EXPECT_EQ(zodiacAdviceText(1),
        "生肖属相：鼠。\r\n\r\n鼠年出生的人取名偏旁部首：\r\n\r\n"
        "宜：宀、米、豆、鱼、艹、金、玉、人、木、月、田、钅等部首为吉。\r\n\r\n"
        "忌：山、刀、力、弓、土、穴、心、石、皮、氵、马、酉、才、火、车等部首。");
    EXPECT_EQ(zodiacAdviceText(10), kRoosterAdvice);
    for (int branch = 1; branch <= 12; ++branch) {
        SCOPED_TRACE(branch);
        const std::string text(zodiacAdviceText(branch));
        const bool trailingSpace = branch == 6 || branch == 7; // 蛇 and 马
        EXPECT_EQ(text.substr(text.size() - (trailingSpace ? 4 : 3)), trailingSpace ? "。 " : "。");
    }
    EXPECT_EQ(zodiacAdviceText(0), "");
    EXPECT_EQ(zodiacAdviceText(13), "");

    const struct {
        const char* yearPillar;
        std::string_view appended;
    } cases[] = { { "甲子", zodiacAdviceText(1) }, { "丙子", zodiacAdviceText(1) }, { "丁酉", kRoosterAdvice },
        { "己亥", zodiacAdviceText(12) }, { "", "" }, { "甲丑", "" } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.yearPillar);
        std::string text = "chart\r\n\r\n";
        appendZodiacAdvice(text, c.yearPillar);
        EXPECT_EQ(text, "chart\r\n\r\n" + std::string(c.appended));
    }
}
