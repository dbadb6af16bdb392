#include "data/ArticleRepository.h"

#include "data/NameDatabase.h"

namespace jm {
namespace {

struct ArticleSql {
    const char* titles;
    const char* content;
};

// Table names cannot be bound, so each table has its own constant SQL text.
ArticleSql sqlOf(ArticleTable table)
{
    if (table == ArticleTable::Parenting)
        return { "select rowid as 行号, 标题 from NM_育儿百科 where 分类标题=? order by rowid",
            "select 内容 from NM_育儿百科 where rowid=?" };
    return { "select rowid as 行号, 标题 from NM_算命风水 where 分类标题=? order by rowid",
        "select 内容 from NM_算命风水 where rowid=?" };
}

} // namespace

std::vector<ArticleTitle> ArticleRepository::titles(ArticleTable table, const std::string& category) const
{
    std::vector<ArticleTitle> titles;
    Statement stmt = m_db.query(sqlOf(table).titles, { category });
    for (bool more = stmt.onRow(); more; more = m_db.nextRow(stmt))
        titles.push_back({ m_db.columnInt(stmt, "行号"), m_db.columnText(stmt, "标题") });
    return titles;
}

std::optional<std::string> ArticleRepository::content(ArticleTable table, long long row) const
{
    Statement stmt = m_db.query(sqlOf(table).content, { row });
    if (!stmt.onRow()) return std::nullopt;
    return m_db.columnText(stmt, "内容");
}

} // namespace jm
