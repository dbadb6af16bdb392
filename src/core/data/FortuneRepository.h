#pragma once

#include <optional>
#include <string>

namespace jm {

class NameDatabase;

/// The reading of one of the 81 numbers (a row of NM_八一灵动数).
struct NumberFortune {
    int number = 0;
    /// 吉凶: "大吉" "吉" "中" "凶" "大凶".
    std::string grade;
    /// 解释一, 解释二 and 解释三.
    std::string explanation1;
    std::string explanation2;
    std::string explanation3;
    /// 基业, 家庭, 健康, 含义.
    std::string foundation;
    std::string family;
    std::string health;
    std::string meaning;
    /// 数理暗示, its parts separated by "|".
    std::string hints;
};

/// Reads NM_八一灵动数 by Id. A closed database finds nothing. Any thread.
class FortuneRepository {
public:
    explicit FortuneRepository(NameDatabase& db)
        : m_db(db)
    {
    }

    /// The grade of `number`; nothing when the table has no row for it.
    std::optional<std::string> grade(int number) const;
    /// The whole reading of `number`; nothing when the table has no row for it.
    std::optional<NumberFortune> find(int number) const;

private:
    NameDatabase& m_db;
};

} // namespace jm
