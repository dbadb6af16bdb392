#include "data/PoemRepository.h"

#include "data/NameDatabase.h"

namespace jm {
namespace {

std::optional<Poem> firstPoem(NameDatabase& db, const Statement& stmt)
{
    if (!stmt.onRow()) return std::nullopt;
    return Poem { db.columnInt(stmt, "Id"), db.columnText(stmt, "标题"), db.columnText(stmt, "作者"),
        db.columnText(stmt, "内容"), db.columnText(stmt, "首字母") };
}

} // namespace

std::vector<std::string> PoemRepository::poets() const
{
    std::vector<std::string> poets;
    Statement stmt = m_db.query("select Poet from NM_Poet order by OrderId ASC");
    for (bool more = stmt.onRow(); more; more = m_db.nextRow(stmt))
        poets.push_back(m_db.columnText(stmt, "Poet"));
    return poets;
}

std::vector<PoemEntry> PoemRepository::poemsOf(const std::string& poet) const
{
    std::vector<PoemEntry> poems;
    Statement stmt = m_db.query("select Id, 标题 from NM_全唐诗 where 作者=? order by rowid", { poet });
    for (bool more = stmt.onRow(); more; more = m_db.nextRow(stmt))
        poems.push_back({ m_db.columnInt(stmt, "Id"), m_db.columnText(stmt, "标题") });
    return poems;
}

std::optional<Poem> PoemRepository::find(long long id) const
{
    return firstPoem(m_db,
        m_db.query("select Id, 标题, 作者, 内容, 首字母 from NM_全唐诗 where Id=? order by rowid limit 1", { id }));
}

std::optional<Poem> PoemRepository::find(const std::string& poet, const std::string& title) const
{
    return firstPoem(m_db,
        m_db.query("select Id, 标题, 作者, 内容, 首字母 from NM_全唐诗 where 作者=? and 标题=? order by rowid limit 1",
            { poet, title }));
}

} // namespace jm
