#include "data/FortuneRepository.h"

#include "data/NameDatabase.h"

namespace jm {

std::optional<std::string> FortuneRepository::grade(int number) const
{
    Statement stmt
        = m_db.query("select 吉凶 from NM_八一灵动数 where Id=? limit 1", { static_cast<long long>(number) });
    if (!stmt.onRow()) return std::nullopt;
    return m_db.columnText(stmt, "吉凶");
}

std::optional<NumberFortune> FortuneRepository::find(int number) const
{
    Statement stmt = m_db.query("select Id, 吉凶, 解释一, 解释二, 解释三, 基业, 家庭, 健康, 含义, 数理暗示 "
                                "from NM_八一灵动数 where Id=? limit 1",
        { static_cast<long long>(number) });
    if (!stmt.onRow()) return std::nullopt;
    NumberFortune f;
    f.number = m_db.columnInt(stmt, "Id");
    f.grade = m_db.columnText(stmt, "吉凶");
    f.explanation1 = m_db.columnText(stmt, "解释一");
    f.explanation2 = m_db.columnText(stmt, "解释二");
    f.explanation3 = m_db.columnText(stmt, "解释三");
    f.foundation = m_db.columnText(stmt, "基业");
    f.family = m_db.columnText(stmt, "家庭");
    f.health = m_db.columnText(stmt, "健康");
    f.meaning = m_db.columnText(stmt, "含义");
    f.hints = m_db.columnText(stmt, "数理暗示");
    return f;
}

} // namespace jm
