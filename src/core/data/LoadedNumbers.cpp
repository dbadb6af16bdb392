#include "data/LoadedNumbers.h"

#include "text/Text.h"

namespace jm {

Result<void> checkLoadedNumbers(NameDatabase& db)
{
    // cast(... as integer) reads a value as sqlite3_column_int does before
    // narrowing, so a text "99999999999" or a real 1e10 is caught as well.
    Statement stmt = db.query("select 汉字, cast(简体笔画数 as text), cast(繁体笔画数 as text) from NM_CNWord"
                              " where cast(简体笔画数 as integer) not between 0 and ?"
                              " or cast(繁体笔画数 as integer) not between 0 and ? order by rowid limit 1",
        { static_cast<long long>(kMaxStrokeCount), static_cast<long long>(kMaxStrokeCount) });
    if (!stmt.onRow()) {
        db.finalize(stmt);
        return success();
    }
    const std::string character = printable(db.columnText(stmt, 0));
    const std::string simplified = printable(db.columnText(stmt, 1));
    const std::string traditional = printable(db.columnText(stmt, 2));
    db.finalize(stmt);
    return Failure { "数据库已损坏：NM_CNWord 中“" + character + "”的笔画数（简体 " + simplified + "，繁体 "
        + traditional + "）不在 0 到 " + std::to_string(kMaxStrokeCount) + " 之间。" };
}

} // namespace jm
