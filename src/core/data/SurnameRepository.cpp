#include "data/SurnameRepository.h"

#include "data/NameDatabase.h"

namespace jm {

std::optional<SurnameRecord> SurnameRepository::find(const std::string& surname) const
{
    Statement stmt = m_db.query(
        "select 姓, 姓氏起源, 聚集地, 历史名人 from NM_百家姓 where 姓=? order by rowid limit 1", { surname });
    if (!stmt.onRow()) return std::nullopt;
    return SurnameRecord { m_db.columnText(stmt, "姓"), m_db.columnText(stmt, "姓氏起源"),
        m_db.columnText(stmt, "聚集地"), m_db.columnText(stmt, "历史名人") };
}

} // namespace jm
