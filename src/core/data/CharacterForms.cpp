#include "data/CharacterForms.h"

namespace jm {

std::optional<std::string> listedCharacterForm(NameDatabase& db, const std::string& character)
{
    static const std::string kUsable = " and 五行属性<>'' and 简体笔画数<>0";
    {
        Statement stmt = db.query("select 汉字 from NM_CNWord where 汉字=?" + kUsable + " limit 1", { character });
        const bool found = stmt.onRow();
        db.finalize(stmt);
        if (found) return character;
    }
    Statement stmt
        = db.query("select 汉字 from NM_CNWord where 繁体=?" + kUsable + " order by rowid limit 1", { character });
    std::optional<std::string> simplified;
    if (stmt.onRow()) simplified = db.columnText(stmt, 0);
    db.finalize(stmt);
    return simplified;
}

} // namespace jm
