#include "data/CharacterForms.h"

#include "data/Schema.h"

namespace jm {

bool hasCharacterRow(NameDatabase& db, const std::string& character)
{
    Statement stmt
        = db.query(std::string("select 汉字 from ") + table::CNWord + " where 汉字=? limit 1", { character });
    const bool found = stmt.onRow();
    db.finalize(stmt);
    return found;
}

std::vector<std::string> charactersOfTraditionalForm(NameDatabase& db, const std::string& traditional)
{
    std::vector<std::string> characters;
    Statement stmt = db.query(
        std::string("select 汉字 from ") + table::CNWord + " where 繁体=? and 汉字<>繁体 order by Id", { traditional });
    if (stmt.onRow()) {
        do
            characters.push_back(db.columnText(stmt, 0));
        while (db.nextRow(stmt));
    }
    db.finalize(stmt);
    return characters;
}

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
