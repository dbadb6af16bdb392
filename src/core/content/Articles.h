#pragma once

#include "data/NameDatabase.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace jm {

/// One entry of an article list: the article's title and the row it was
/// listed from, so that two articles with the same title each open their
/// own text. `row` is 0 for the empty entry of an empty category.
struct ArticleEntry {
    long long row = 0;
    std::string title;
};

/// True for the two article tables, named without their NM_ prefix:
/// "育儿百科" and "算命风水".
bool isArticleTable(std::string_view table);

/// The articles of `category` (compared with 分类标题) in `table` (without
/// prefix), in the order the database returns them. A category without
/// articles, an unknown table or a closed database give one entry with an
/// empty title, which the reader lists like any other.
std::vector<ArticleEntry> listArticles(NameDatabase& db, std::string_view table, const std::string& category);

/// The content (内容) of the article in row `row` of `table`; empty when
/// there is no such row.
std::string articleContent(NameDatabase& db, std::string_view table, long long row);

/// The article page as UTF-8 HTML: the eleven template lines joined by CR LF,
/// with every {文章标题} replaced by `title`, then every {文章内容} by
/// `content`. Both go in unescaped: they are database texts and their markup
/// takes effect. Content that contains "{文章标题}" keeps it as it is.
std::string articlePage(const std::string& title, const std::string& content);

/// The page template before filling (UTF-8).
std::string_view articlePageTemplate();

} // namespace jm
