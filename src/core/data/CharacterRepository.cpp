#include "data/CharacterRepository.h"

#include "data/NameDatabase.h"

#include <algorithm>

namespace jm {
namespace {

CharacterStrokes readStrokes(const NameDatabase& db, const Statement& stmt)
{
    return { db.columnText(stmt, "汉字"), db.columnInt(stmt, "简体笔画数"), db.columnInt(stmt, "繁体笔画数"),
        db.columnText(stmt, "五行属性") };
}

} // namespace

std::optional<CharacterRecord> CharacterRepository::find(const std::string& character) const
{
    Statement stmt = m_db.query("select 汉字, 繁体, 简体笔画数, 繁体笔画数, 拼音1, 拼音2, 声母, 部首, 五行属性, "
                                "基本解释, 详细解释 from NM_CNWord where 汉字=? order by rowid limit 1",
        { character });
    if (!stmt.onRow()) return std::nullopt;
    CharacterRecord r;
    r.character = m_db.columnText(stmt, "汉字");
    r.traditionalForm = m_db.columnText(stmt, "繁体");
    r.simplifiedStrokes = m_db.columnIntOrNull(stmt, "简体笔画数");
    r.traditionalStrokes = m_db.columnIntOrNull(stmt, "繁体笔画数");
    r.pinyin1 = m_db.columnText(stmt, "拼音1");
    r.pinyin2 = m_db.columnText(stmt, "拼音2");
    r.initial = m_db.columnText(stmt, "声母");
    r.radical = m_db.columnText(stmt, "部首");
    r.element = m_db.columnText(stmt, "五行属性");
    r.basicExplanation = m_db.columnText(stmt, "基本解释");
    r.detailedExplanation = m_db.columnText(stmt, "详细解释");
    return r;
}

std::optional<CharacterStrokes> CharacterRepository::findStrokes(const std::string& character) const
{
    Statement stmt
        = m_db.query("select 汉字, 简体笔画数, 繁体笔画数, 五行属性 from NM_CNWord where 汉字=? order by rowid limit 1",
            { character });
    if (!stmt.onRow()) return std::nullopt;
    return readStrokes(m_db, stmt);
}

std::unordered_map<std::string, CharacterStrokes> CharacterRepository::findStrokesOfMany(
    const std::vector<std::string>& characters) const
{
    // One query per 500 characters instead of one each: preparing a
    // statement costs far more than reading a row.
    std::unordered_map<std::string, CharacterStrokes> found;
    constexpr std::size_t kChunk = 500;
    for (std::size_t begin = 0; begin < characters.size(); begin += kChunk) {
        const std::size_t end = std::min(characters.size(), begin + kChunk);
        std::string sql = "select 汉字, 简体笔画数, 繁体笔画数, 五行属性 from NM_CNWord where 汉字 in (";
        std::vector<SqlValue> params;
        for (std::size_t i = begin; i < end; ++i) {
            sql += i == begin ? "?" : ",?";
            params.emplace_back(characters[i]);
        }
        sql += ") order by rowid";
        Statement stmt = m_db.query(sql, params);
        for (bool more = stmt.onRow(); more; more = m_db.nextRow(stmt)) {
            CharacterStrokes strokes = readStrokes(m_db, stmt);
            found.try_emplace(strokes.character, std::move(strokes));
        }
    }
    return found;
}

} // namespace jm
