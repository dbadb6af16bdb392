#include "data/EnglishNameRepository.h"

#include "data/NameDatabase.h"

namespace jm {

bool EnglishNameRepository::forEach(const std::function<bool(const EnglishNameRecord&)>& visit) const
{
    Statement stmt = m_db.query("select EIndex, EIndex2, Name, Sex, Cnword, Mean from NM_EName order by rowid");
    for (bool more = stmt.onRow(); more; more = m_db.nextRow(stmt)) {
        const EnglishNameRecord record { m_db.columnText(stmt, "EIndex"), m_db.columnText(stmt, "EIndex2"),
            m_db.columnText(stmt, "Name"), m_db.columnInt(stmt, "Sex"), m_db.columnText(stmt, "Cnword"),
            m_db.columnText(stmt, "Mean") };
        if (!visit(record)) return false;
    }
    return true;
}

} // namespace jm
