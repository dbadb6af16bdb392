#pragma once

#include <optional>
#include <string>
#include <vector>

namespace jm {

class NameDatabase;

/// One poem of NM_全唐诗 as a list shows it: its Id and title. Titles
/// repeat (even for one poet), so the id is what selects a poem.
struct PoemEntry {
    long long id = 0;
    std::string title;
};

/// One poem with the texts the poem page uses.
struct Poem {
    long long id = 0;
    /// 标题, 作者, 内容.
    std::string title;
    std::string poet;
    std::string content;
    /// 首字母, the poem's marked characters: boxes of these start checked.
    std::string initials;
};

/// Reads the poets (NM_Poet) and the Tang poems (NM_全唐诗). A closed
/// database gives empty lists and finds nothing. Any thread.
class PoemRepository {
public:
    explicit PoemRepository(NameDatabase& db)
        : m_db(db)
    {
    }

    /// The poets' names in OrderId order.
    std::vector<std::string> poets() const;
    /// The poems of `poet` in table order.
    std::vector<PoemEntry> poemsOf(const std::string& poet) const;
    /// The poem with Id `id`; nothing when there is none.
    std::optional<Poem> find(long long id) const;
    /// The first poem (in table order) of `poet` titled `title`; nothing when there is none.
    std::optional<Poem> find(const std::string& poet, const std::string& title) const;

private:
    NameDatabase& m_db;
};

} // namespace jm
