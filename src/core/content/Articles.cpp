#include "content/Articles.h"

#include "data/ArticleRepository.h"
#include "scoring/Pages.h"

namespace jm {
namespace {

std::optional<ArticleTable> findTable(std::string_view table)
{
    if (table == "育儿百科") return ArticleTable::Parenting;
    if (table == "算命风水") return ArticleTable::Fortune;
    return std::nullopt;
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
    return findTable(table).has_value();
}

std::vector<ArticleEntry> listArticles(NameDatabase& db, std::string_view table, const std::string& category)
{
    const std::optional<ArticleTable> t = findTable(table);
    if (!t) return { ArticleEntry {} };
    std::vector<ArticleEntry> entries;
    for (ArticleTitle& a : ArticleRepository(db).titles(*t, category))
        entries.push_back({ a.row, std::move(a.title) });
    // An empty category still lists one (empty) entry, as the reader always showed.
    if (entries.empty()) entries.emplace_back();
    return entries;
}

std::string articleContent(NameDatabase& db, std::string_view table, long long row)
{
    const std::optional<ArticleTable> t = findTable(table);
    if (!t || row <= 0) return {};
    return ArticleRepository(db).content(*t, row).value_or(std::string());
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
