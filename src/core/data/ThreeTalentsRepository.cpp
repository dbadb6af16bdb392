#include "data/ThreeTalentsRepository.h"

#include "data/NameDatabase.h"

namespace jm {

std::optional<std::string> ThreeTalentsRepository::grade(const std::string& key) const
{
    Statement stmt = m_db.query("select 吉凶 from NM_三才配置 where 三才=? limit 1", { key });
    if (!stmt.onRow()) return std::nullopt;
    return m_db.columnText(stmt, "吉凶");
}

std::optional<ThreeTalentsReading> ThreeTalentsRepository::find(const std::string& key) const
{
    Statement stmt
        = m_db.query("select 三才, 吉凶, 解释一, 解释二, 总论, 性格, 意志, 事业, 家庭, 婚姻, 子女, 社交, "
                     "精神, 财运, 健康, 老运, 对基础运的影响, 对成功运的影响, 对人际关系的影响, 对性格的影响 "
                     "from NM_三才配置 where 三才=? limit 1",
            { key });
    if (!stmt.onRow()) return std::nullopt;
    const auto text = [&](std::string_view column) { return m_db.columnText(stmt, column); };
    ThreeTalentsReading r;
    r.key = text("三才");
    r.grade = text("吉凶");
    r.explanation1 = text("解释一");
    r.explanation2 = text("解释二");
    r.overview = text("总论");
    r.character = text("性格");
    r.will = text("意志");
    r.career = text("事业");
    r.family = text("家庭");
    r.marriage = text("婚姻");
    r.children = text("子女");
    r.social = text("社交");
    r.spirit = text("精神");
    r.wealth = text("财运");
    r.health = text("健康");
    r.oldAge = text("老运");
    r.onFoundation = text("对基础运的影响");
    r.onSuccess = text("对成功运的影响");
    r.onRelations = text("对人际关系的影响");
    r.onCharacter = text("对性格的影响");
    return r;
}

} // namespace jm
