#include "scoring/Fortune.h"

#include "data/FortuneRepository.h"
#include "data/ThreeTalentsRepository.h"
#include "scoring/FiveGrids.h"

namespace jm {

int gradePercent(std::string_view grade)
{
    if (grade == "大吉" || grade == "吉") return 100;
    if (grade == "中") return 85;
    if (grade == "凶") return 60;
    if (grade == "大凶") return 30;
    return 0;
}

double gradeFactor(std::string_view grade)
{
    return gradePercent(grade) / 100.0;
}

int fortuneTableNumber(int n)
{
    return n > 81 ? (n - 1) % 80 + 1 : n;
}

std::string fortuneNumberText(int n)
{
    const int table = fortuneTableNumber(n);
    if (table == n) return std::to_string(n);
    return std::to_string(n) + "（按" + std::to_string(table) + "论）";
}

Fortune fortuneOfNumber(NameDatabase& db, int n)
{
    return FortuneRepository(db).grade(fortuneTableNumber(n)).value_or(Fortune {});
}

Fortune fortuneOfThreeTalents(NameDatabase& db, const std::string& key)
{
    return ThreeTalentsRepository(db).grade(key).value_or(Fortune {});
}

int weightedHundredths(const std::array<int, 6>& percents)
{
    int sum = 0;
    for (std::size_t i = 0; i < 6; ++i)
        sum += kGradeWeights[i] * percents[i];
    return sum;
}

std::string_view verdictOf(double s)
{
    if (s >= 90)
        return "你的名字取得非常棒，如果与命理搭配得当，成功与惊喜将会伴随你的一生。但千万注意不要失去上进心。";
    if (s >= 80) return "你的名字取得不错，如果与命理搭配得当，相信它会助你一生顺利的，祝你好运！";
    if (s >= 70)
        return "你的名字可能不太理想，要想赢得成功，必须比别人付出更多的艰辛和汗水。如果有条件，改个名字也未尝不可。";
    if (s >= 60) return "你的名字不太好，如果可能的话，不妨尝试改变一下，也许会有事半功倍之效。";
    return "你的名字很不好！强烈建议你换个名字试试，也许人生会因此而改变的。";
}

int elementIndexOfNumber(int n)
{
    if (n < 0) return -1;
    static constexpr int kByDigit[10] = { 4, 0, 0, 1, 1, 2, 2, 3, 3, 4 };
    return kByDigit[n % 10];
}

const Fortune& FortuneCache::number(int n)
{
    auto it = m_numbers.find(n);
    if (it == m_numbers.end()) it = m_numbers.emplace(n, fortuneOfNumber(m_db, n)).first;
    return it->second;
}

const Fortune& FortuneCache::threeTalents(const std::string& key)
{
    auto it = m_keys.find(key);
    if (it == m_keys.end()) it = m_keys.emplace(key, fortuneOfThreeTalents(m_db, key)).first;
    return it->second;
}

int FortuneCache::numberPercent(int n)
{
    if (n >= 0 && n < kArraySize) {
        signed char& slot = m_numberPercent[static_cast<std::size_t>(n)];
        if (slot < 0) slot = static_cast<signed char>(gradePercent(number(n)));
        return slot;
    }
    return gradePercent(number(n));
}

int FortuneCache::threeTalentsPercent(int heaven, int person, int earth)
{
    static constexpr const char* kElements[5] = { "木", "火", "土", "金", "水" };
    if (heaven < 0 || person < 0 || earth < 0) {
        std::string key;
        for (int e : { heaven, person, earth })
            if (e >= 0) key += kElements[e];
        return gradePercent(threeTalents(key));
    }
    signed char& slot = m_keyPercent[static_cast<std::size_t>(heaven * 25 + person * 5 + earth)];
    if (slot < 0) {
        const std::string key = std::string(kElements[heaven]) + kElements[person] + kElements[earth];
        slot = static_cast<signed char>(gradePercent(threeTalents(key)));
    }
    return slot;
}

} // namespace jm
