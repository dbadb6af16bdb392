#include "content/Articles.h"

#include "scoring/Pages.h"

namespace jm {
namespace {

struct ArticleTableSql {
    std::string_view table;
    const char* list;
    const char* content;
};

// Table names cannot be bound, so each table has its own constant SQL text.
constexpr ArticleTableSql kTables[] = {
    { "育儿百科", "select rowid, 标题 from NM_育儿百科 where 分类标题=?",
        "select 内容 from NM_育儿百科 where rowid=?" },
    { "算命风水", "select rowid, 标题 from NM_算命风水 where 分类标题=?",
        "select 内容 from NM_算命风水 where rowid=?" },
};

const ArticleTableSql* findTable(std::string_view table)
{
    for (const ArticleTableSql& t : kTables)
        if (t.table == table) return &t;
    return nullptr;
}

constexpr std::string_view kTemplate
    = "<html>\r\n"
      "<head>\r\n"
      "<meta http-equiv=\"Content-Language\" content=\"zh-cn\">\r\n"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n"
      "<title>{文章标题}</title>\r\n"
      "</head>\r\n"
      "<body topmargin=\"10\" leftmargin=\"10\" rightmargin=\"3\" bottommargin=\"3\" bgcolor=\"#FFFFEC\">\r\n"
      "<CENTER><H1>{文章标题}</H1></CENTER>\r\n"
      "{文章内容}\r\n"
      "</body>\r\n"
      "</html>";

} // namespace

bool isArticleTable(std::string_view table)
{
    return findTable(table) != nullptr;
}

std::vector<ArticleEntry> listArticles(NameDatabase& db, std::string_view table, const std::string& category)
{
    std::vector<ArticleEntry> entries;
    const ArticleTableSql* t = findTable(table);
    if (!t) return { ArticleEntry {} };
    // The statement stands on its first row, or on one empty row when there
    // is none: an empty category still lists one (empty) entry.
    Statement stmt = db.query(t->list, { category });
    do {
        entries.push_back({ db.columnInt(stmt, 0), db.columnText(stmt, 1) });
    } while (db.nextRow(stmt));
    db.finalize(stmt);
    return entries;
}

std::string articleContent(NameDatabase& db, std::string_view table, long long row)
{
    const ArticleTableSql* t = findTable(table);
    if (!t || row <= 0) return {};
    Statement stmt = db.query(t->content, { row });
    std::string content = db.columnText(stmt, 0);
    db.finalize(stmt);
    return content;
}

std::string_view articlePageTemplate()
{
    return kTemplate;
}

std::string articlePage(const std::string& title, const std::string& content)
{
    return fillPlaceholders(std::string(kTemplate), { { "{文章标题}", title }, { "{文章内容}", content } });
}

} // namespace jm
