#pragma once

#include <optional>
#include <string>

namespace jm {

class NameDatabase;

/// The reading of one three-talents key (a row of NM_三才配置).
struct ThreeTalentsReading {
    /// 三才, three element characters such as "木火土".
    std::string key;
    /// 吉凶.
    std::string grade;
    /// 解释一 and 解释二.
    std::string explanation1;
    std::string explanation2;
    /// 总论, 性格, 意志, 事业, 家庭, 婚姻, 子女, 社交, 精神, 财运, 健康, 老运.
    std::string overview;
    std::string character;
    std::string will;
    std::string career;
    std::string family;
    std::string marriage;
    std::string children;
    std::string social;
    std::string spirit;
    std::string wealth;
    std::string health;
    std::string oldAge;
    /// 对基础运的影响, 对成功运的影响, 对人际关系的影响, 对性格的影响.
    std::string onFoundation;
    std::string onSuccess;
    std::string onRelations;
    std::string onCharacter;
};

/// Reads NM_三才配置 by 三才. A closed database finds nothing. Any thread.
class ThreeTalentsRepository {
public:
    explicit ThreeTalentsRepository(NameDatabase& db)
        : m_db(db)
    {
    }

    /// The grade of `key`; nothing when the table has no row for it.
    std::optional<std::string> grade(const std::string& key) const;
    /// The whole reading of `key`; nothing when the table has no row for it.
    std::optional<ThreeTalentsReading> find(const std::string& key) const;

private:
    NameDatabase& m_db;
};

} // namespace jm
