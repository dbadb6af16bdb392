#pragma once

#include "data/PoemRepository.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace jm {

class NameDatabase;

/// Shown by "使用此诗词" when no poem is selected.
inline constexpr const char* kMessageSelectPoem = "请选择一首诗词";

/// The poets of NM_Poet in OrderId order. Like every list read from the
/// database, an empty result reads as one row with an empty name.
std::vector<std::string> loadPoets(NameDatabase& db);

/// The poems of `poet` in table order (an empty result reads as one row
/// with id 0 and an empty title).
std::vector<PoemEntry> loadPoems(NameDatabase& db, const std::string& poet);

/// The poem with row id `id`; nothing when there is none.
std::optional<Poem> loadPoem(NameDatabase& db, long long id);
/// The first poem of `poet` titled `title`; nothing when there is none.
std::optional<Poem> findPoem(NameDatabase& db, const std::string& poet, const std::string& title);

/// The view page of a poem (UTF-8 HTML, charset=gb2312 in its meta): poet
/// and title as a heading, the content with a line break after every "。".
/// Database texts go in as stored.
std::string poemPage(const Poem& poem);
/// Writes `poemPage` as temp.html into `directory`. False when it cannot be written.
bool writePoemPage(const Poem& poem, const std::filesystem::path& directory);

/// The characters the poem lays out as boxes: its content without "，" and
/// "。", one entry per character (repeats included).
std::vector<std::string> poemBoxCharacters(const std::string& content);
/// Whether the box of `character` starts checked: it occurs in `initials`.
bool checkedByDefault(const std::string& character, const std::string& initials);
/// The characters of the boxes that start checked, in box order.
std::vector<std::string> defaultCheckedCharacters(const Poem& poem);

/// Which of the poem's boxes start checked, one entry per box
/// (`poemBoxCharacters` order): its character is marked (`checkedByDefault`)
/// and the database does not judge it unfit or odd for a name. When that
/// leaves none, every box of a character fit for a name starts checked
/// instead.
std::vector<bool> suitableDefaultTicks(NameDatabase& db, const Poem& poem);
/// The characters of those boxes, in box order.
std::vector<std::string> suitableCheckedCharacters(NameDatabase& db, const Poem& poem);

/// The run's candidate text: each checked character appended unless the
/// text already holds it, then the surname unless the text already holds it.
std::string poemCandidateText(const std::vector<std::string>& checked, const std::string& surname);

} // namespace jm
