#include "chart/BirthChart.h"

#include "chart/SolarTermTable.h"
#include "chart/ZodiacAdvice.h"
#include "text/Text.h"

#include <charconv>

namespace jm {
namespace {

constexpr std::string_view kBreak = "\r\n\r\n";

constexpr std::array<std::string_view, 10> kStemElements
    = { "木", "木", "火", "火", "土", "土", "金", "金", "水", "水" };
constexpr std::array<std::string_view, 12> kBranchElements
    = { "水", "土", "木", "木", "土", "火", "火", "土", "金", "金", "土", "水" };
constexpr std::array<std::string_view, 30> kNayin
    = { "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "涧下水", "城头土", "白蜡金", "杨柳木", "泉中水",
          "屋上土", "霹雳火", "松柏木", "长流水", "沙中金", "山下火", "平地木", "壁上土", "金箔金", "覆灯火", "天河水",
          "大驿土", "钗钏金", "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水" };
constexpr std::array<std::string_view, 5> kElementOrder = { "金", "木", "水", "火", "土" };

int indexOfName(std::string_view pillarName)
{
    for (int i = 1; i <= 60; ++i)
        if (ganZhiName(i) == pillarName) return i;
    return 0;
}

// A box text as a number: ASCII digits only, at most four of them.
bool parseNumber(std::string_view text, int& value)
{
    if (text.empty() || text.size() > 4) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// Why the texts give no birth moment; empty when they do.
std::string problemOf(const BirthChart& chart, int year, int month, int day, int hour, bool numbers)
{
    if (!numbers) return "日期无效：请选择出生的年、月、日和时辰。";
    if (month < 1 || month > 12) return "日期无效：月份应在1至12月之间。";
    if (day < 1 || day > 31) return "日期无效：日子应在1至31日之间。";
    if (hour < 0 || hour > 23) return "日期无效：时辰应在0至23时之间。";
    if (!isValidDate(year, month, day)) {
        int days = 28;
        while (isValidDate(year, month, days + 1))
            ++days;
        return "日期无效：" + chart.yearText + "年" + chart.monthText + "月只有" + decimal(days) + "天，没有"
            + chart.dayText + "日，请重新选择日期。";
    }
    if (year > 2048 || daysSince1901(year, month, day) < daysSince1901(1901, 2, 19))
        return "日期超出范围：只能查询1901年2月19日至2048年12月31日之间的日期。";
    return {};
}

// Which boundaries the chart uses: the lunar date changes its year at 正月初一,
// the year pillar (and with it its 纳音 and the zodiac animal) at 立春.
std::string boundaryLine(int year)
{
    std::string line = "年份界限：农历日期以正月初一换年；年柱、纳音与生肖以立春换年";
    if (const auto term = solarTermRecord(year, 3)) {
        const auto twoDigits = [](int n) {
            std::string digits(n < 10 ? 1 : 0, '0');
            return digits.append(decimal(n));
        };
        line.append("（").append(decimal(year)).append("年立春：").append(decimal(term->month)).append("月");
        line.append(decimal(term->day)).append("日").append(twoDigits(term->hour)).append(":");
        line.append(twoDigits(term->minute)).append("）");
    }
    return line.append("。");
}

} // namespace

std::string_view stemElement(int stem)
{
    return stem >= 1 && stem <= 10 ? kStemElements[static_cast<std::size_t>(stem - 1)] : std::string_view();
}

std::string_view branchElement(int branch)
{
    return branch >= 1 && branch <= 12 ? kBranchElements[static_cast<std::size_t>(branch - 1)] : std::string_view();
}

std::string elementPairOf(std::string_view pillarName)
{
    const int i = indexOfName(pillarName);
    if (i == 0) return {};
    return std::string(stemElement(stemOf(i))).append(",").append(branchElement(branchOf(i))).append(",");
}

std::string_view nayinOf(std::string_view pillarName)
{
    const int i = indexOfName(pillarName);
    return i == 0 ? std::string_view() : kNayin[static_cast<std::size_t>((i + 1) / 2 - 1)];
}

BirthChart runBirthChart(
    std::string_view yearText, std::string_view monthText, std::string_view dayText, std::string_view hourText)
{
    BirthChart chart;
    chart.yearText = yearText;
    chart.monthText = monthText;
    chart.dayText = dayText;
    chart.hourText = hourText;
    const std::string gregorian
        = chart.yearText + "年" + chart.monthText + "月" + chart.dayText + "日" + chart.hourText + "时";

    int year = 0, month = 0, day = 0, hour = 0;
    const bool numbers = parseNumber(yearText, year) && parseNumber(monthText, month) && parseNumber(dayText, day)
        && parseNumber(hourText, hour);
    const std::string problem = problemOf(chart, year, month, day, hour, numbers);
    if (!problem.empty()) {
        chart.text.append("公历日期：").append(gregorian).append(kBreak).append(problem).append(kBreak);
        return chart;
    }
    chart.valid = true;
    chart.birthMoment = { year, month, day, hour, 0, 0 };
    sexagenaryPillarNames(
        chart.birthMoment, &chart.pillarNames[0], &chart.pillarNames[1], &chart.pillarNames[2], &chart.pillarNames[3]);

    for (std::size_t p = 0; p < 4; ++p) {
        chart.elementPairs[p] = elementPairOf(chart.pillarNames[p]);
        chart.nayin[p] = nayinOf(chart.pillarNames[p]);
        chart.elementList += chart.elementPairs[p];
    }
    for (const std::string_view element : kElementOrder)
        if (chart.elementList.find(element) == std::string::npos) chart.missing += element;
    chart.missingText = chart.missing.empty() ? "五行不缺" : "五行缺：" + chart.missing;

    const auto& p = chart.pillarNames;
    std::string& t = chart.text;
    t.append("公历日期：").append(gregorian).append(kBreak);
    t.append("农历日期：").append(formatLunarDate(chart.birthMoment, "%Y年    %M  %D日  ")).append(p[3]).append("时");
    t.append(kBreak);
    t.append("八字四柱：").append(p[0]).append("年  ").append(p[1]).append("月  ").append(p[2]).append("日  ");
    t.append(p[3]).append("时").append(kBreak);
    t.append("八字五行：")
        .append(chart.elementList)
        .append(" ( ")
        .append(chart.missingText)
        .append(" ) ")
        .append(kBreak);
    t.append("五行纳音：").append(chart.nayin[0]).append("  ").append(chart.nayin[1]).append("  ");
    t.append(chart.nayin[2]).append("  ").append(chart.nayin[3]).append(kBreak);
    t.append(boundaryLine(year)).append(kBreak);
    appendZodiacAdvice(t, p[0]);
    return chart;
}

} // namespace jm
