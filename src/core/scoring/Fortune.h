#pragma once

#include "data/NameDatabase.h"

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace jm {

/// A grade exactly as the tables store it: "大吉" "吉" "中" "凶" "大凶";
/// any other text is no grade.
using Fortune = std::string;

/// Weights of the six grades, in the order 天格 人格 地格 总格 外格 三才.
inline constexpr std::array<int, 6> kGradeWeights = { 5, 30, 20, 20, 10, 15 };

/// A grade's share of its weight in whole percent: 100 100 85 60 30, else 0.
int gradePercent(std::string_view grade);
/// The same as a fraction (1.0, 0.85, ...).
double gradeFactor(std::string_view grade);

/// The number of NM_八一灵动数 whose grade and texts an 81-number takes: n
/// itself up to 81, ((n - 1) mod 80) + 1 above it (82 reads as 2, 95 as 15),
/// as the name studies count past 81. Zero and negatives stay as they are.
int fortuneTableNumber(int n);

/// The number as a report shows it: "95（按15论）" above 81, else "15".
std::string fortuneNumberText(int n);

/// Grade of an 81-number (NM_八一灵动数 by its table number); empty when there is no row.
Fortune fortuneOfNumber(NameDatabase& db, int n);
/// Grade of a three-talents key (NM_三才配置 by 三才); empty when there is no row.
Fortune fortuneOfThreeTalents(NameDatabase& db, const std::string& key);

/// The weighted sum of six grade percentages, in hundredths of a point
/// (e.g. 8950 for 89.5). score = hundredths / 100.
int weightedHundredths(const std::array<int, 6>& percents);

/// The verdict sentence for a score (bands 90, 80, 70, 60 and below).
std::string_view verdictOf(double exactScore);

/// Per-run cache of the two grade lookups. Gives exactly what a fresh lookup
/// gives; filled lazily. Not thread-safe: one per thread of use.
class FortuneCache {
public:
    explicit FortuneCache(NameDatabase& db)
        : m_db(db)
    {
    }

    const Fortune& number(int n);
    const Fortune& threeTalents(const std::string& key);
    /// Percent of the grade of number n (cached array access after the first call).
    int numberPercent(int n);
    /// Percent of the grade of the key formed by three element indexes (0..4,
    /// in the order 木 火 土 金 水).
    int threeTalentsPercent(int heaven, int person, int earth);

private:
    NameDatabase& m_db;
    static constexpr int kArraySize = 512;
    std::vector<signed char> m_numberPercent = std::vector<signed char>(kArraySize, -1);
    std::vector<signed char> m_keyPercent = std::vector<signed char>(125, -1);
    std::unordered_map<int, Fortune> m_numbers;
    std::unordered_map<std::string, Fortune> m_keys;
};

/// Index 0..4 of a grid number's element in the order 木 火 土 金 水; -1 for negatives.
int elementIndexOfNumber(int n);

} // namespace jm
