#pragma once

#include "chart/LunarCalendar.h"

#include <array>
#include <string>
#include <string_view>

namespace jm {

/// One birth-chart analysis (生辰八字) of a birth date and hour.
struct BirthChart {
    /// The texts of the four date boxes as given, e.g. "2017", "10", "20", "8".
    std::string yearText, monthText, dayText, hourText;
    /// True when the texts form an existing date in 1901-02-19..2048-12-31 and
    /// an hour 0..23; otherwise the chart text says what is wrong and every
    /// other field below is empty.
    bool valid = false;
    DateTime birthMoment; ///< minute and second 0
    /// Year, month, day and hour pillar names, e.g. 丁酉 庚戌 庚辰 庚辰.
    std::array<std::string, 4> pillarNames;
    /// Per pillar the element of its stem and of its branch, each followed by
    /// a comma, e.g. "火,金,".
    std::array<std::string, 4> elementPairs;
    /// Per pillar its 纳音, e.g. 山下火.
    std::array<std::string, 4> nayin;
    /// The four element pairs joined: the text of the label 八字五行标签.
    std::string elementList;
    /// The elements of 金 木 水 火 土 missing from elementList, without
    /// separator (e.g. 木水): the text of the label 缺五行标签.
    std::string missing;
    /// "五行不缺" or "五行缺：" + missing.
    std::string missingText;
    /// The whole text of the chart box: the six chart lines (the last says
    /// which boundaries the lunar year and the year pillar use), each followed by
    /// CR LF CR LF, then the zodiac advice of the year pillar; or, for an
    /// invalid date, the Gregorian line and one line saying why no chart exists.
    std::string text;
};

/// Analyses the birth moment given by the texts of the year, month, day and
/// hour boxes (decimal numbers). Never fails: bad input gives a chart whose
/// `valid` is false and whose text explains the problem. Pure; any thread.
BirthChart runBirthChart(
    std::string_view yearText, std::string_view monthText, std::string_view dayText, std::string_view hourText);

/// Element ("金" "木" "水" "火" "土") of a stem 1..10 or a branch 1..12; empty otherwise.
std::string_view stemElement(int stem);
std::string_view branchElement(int branch);

/// Element pair ("火,金,") and 纳音 ("山下火") of a pillar name; empty when the
/// name is no sexagenary name.
std::string elementPairOf(std::string_view pillarName);
std::string_view nayinOf(std::string_view pillarName);

} // namespace jm
