#pragma once

#include <optional>
#include <string>
#include <vector>

namespace jm {

class NameDatabase;

/// The two article tables, which share one column list.
enum class ArticleTable {
    /// NM_育儿百科, the parenting articles.
    Parenting,
    /// NM_算命风水, the fortune-telling articles.
    Fortune,
};

/// One entry of an article list: the article's title and its row, so that
/// two articles with the same title each open their own text.
struct ArticleTitle {
    long long row = 0;
    std::string title;
};

/// Reads the article tables by 分类标题 and by row. Any thread.
class ArticleRepository {
public:
    explicit ArticleRepository(NameDatabase& db)
        : m_db(db)
    {
    }

    /// The articles of `category` in table order; empty when there are none.
    std::vector<ArticleTitle> titles(ArticleTable table, const std::string& category) const;
    /// The content (内容) of the article in `row`; nothing when there is no such row.
    std::optional<std::string> content(ArticleTable table, long long row) const;

private:
    NameDatabase& m_db;
};

} // namespace jm
