#include "data/AdviceRepository.h"

#include <algorithm>
#include <sstream>

namespace jm {

namespace {

constexpr std::size_t kChunk = 400;

/// Runs `select <columns> from <table> where 字 in (?,...)` over `characters`
/// in chunks and hands every row to `use`. Table and column names are
/// constants of this file; only the characters are values, and they are bound.
template <typename Use>
void selectByCharacter(NameDatabase& db, const char* head, const std::vector<std::string>& characters, Use use)
{
    for (std::size_t begin = 0; begin < characters.size(); begin += kChunk) {
        const std::size_t end = std::min(characters.size(), begin + kChunk);
        std::string sql = head;
        sql += " (";
        std::vector<SqlValue> params;
        for (std::size_t i = begin; i < end; ++i) {
            sql += i == begin ? "?" : ",?";
            params.emplace_back(characters[i]);
        }
        sql += ") order by rowid";
        Statement stmt = db.query(sql, params);
        for (bool more = stmt.onRow(); more; more = db.nextRow(stmt))
            use(stmt);
        db.finalize(stmt);
    }
}

CharacterSuitability readSuitability(NameDatabase& db, const Statement& stmt)
{
    CharacterSuitability s;
    s.character = db.columnText(stmt, 0);
    const std::string usage = db.columnText(stmt, 1);
    s.usage = usage == "忌" ? CharacterUsage::Unfit : usage == "僻" ? CharacterUsage::Odd : CharacterUsage::Fit;
    const std::string leaning = db.columnText(stmt, 2);
    s.leaning = leaning == "男" ? SexLeaning::Male : leaning == "女" ? SexLeaning::Female : SexLeaning::Neutral;
    const std::string level = db.columnText(stmt, 3);
    s.level = level == "生僻" ? UsageLevel::Rare : level == "次常用" ? UsageLevel::LessCommon : UsageLevel::Common;
    s.reason = db.columnText(stmt, 4);
    return s;
}

constexpr const char* kSuitabilityHead = "select 字, 用字, 性别, 常用度, 说明 from NM_起名用字 where 字 in";

} // namespace

std::unordered_map<std::string, CharacterSuitability> AdviceRepository::suitability(
    const std::vector<std::string>& characters)
{
    std::unordered_map<std::string, CharacterSuitability> found;
    selectByCharacter(m_db, kSuitabilityHead, characters, [&](const Statement& stmt) {
        CharacterSuitability s = readSuitability(m_db, stmt);
        found.try_emplace(s.character, std::move(s));
    });
    return found;
}

std::optional<CharacterSuitability> AdviceRepository::suitabilityOf(const std::string& character)
{
    auto found = suitability({ character });
    if (found.empty()) return std::nullopt;
    return std::move(found.begin()->second);
}

std::vector<HomophoneEntry> AdviceRepository::homophones()
{
    std::vector<HomophoneEntry> entries;
    Statement stmt = m_db.query("select 拼音, 词, 类别, 说明 from NM_谐音 order by rowid");
    for (bool more = stmt.onRow(); more; more = m_db.nextRow(stmt))
        entries.push_back(
            { m_db.columnText(stmt, 0), m_db.columnText(stmt, 1), m_db.columnText(stmt, 2), m_db.columnText(stmt, 3) });
    m_db.finalize(stmt);
    return entries;
}

std::unordered_map<std::string, std::vector<std::string>> AdviceRepository::readings(
    const std::vector<std::string>& characters)
{
    std::unordered_map<std::string, std::vector<std::string>> found;
    selectByCharacter(m_db, "select 字, 读音 from NM_字音 where 字 in", characters, [&](const Statement& stmt) {
        const auto [it, added] = found.try_emplace(m_db.columnText(stmt, 0));
        if (!added) return;
        std::istringstream words(m_db.columnText(stmt, 1));
        for (std::string w; words >> w;)
            it->second.push_back(w);
    });
    return found;
}

std::unordered_set<std::string> AdviceRepository::usableCharacters(const std::vector<std::string>& characters)
{
    std::unordered_set<std::string> usable;
    selectByCharacter(
        m_db, "select 汉字, 五行属性, 简体笔画数 from NM_CNWord where 汉字 in", characters, [&](const Statement& stmt) {
            if (!m_db.columnText(stmt, 1).empty() && m_db.columnInt(stmt, 2) != 0)
                usable.insert(m_db.columnText(stmt, 0));
        });
    return usable;
}

} // namespace jm
