#pragma once

#include "Result.h"
#include "data/NameDatabase.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace jm {

/// A placeholder such as "{汉字}" and the text that replaces it.
using Placeholder = std::pair<std::string, std::string>;

/// Replaces every occurrence of each placeholder, in the order given, in the
/// page built so far: a value that contains a later placeholder is itself
/// replaced, one that contains an earlier placeholder keeps it.
std::string fillPlaceholders(std::string page, const std::vector<Placeholder>& values);

/// The file of a page in the data directory: page 0 is temp.html (report,
/// dictionary and one-page viewer), pages 1 to 5 are temp1.html … temp5.html.
std::filesystem::path pageFilePath(const std::filesystem::path& directory, int pageNumber);

/// Writes a UTF-8 page as GBK (GB18030) bytes, replacing the file as
/// `writeFileAtomically` does; the failure says why it cannot be written.
Result<void> writeGbkPage(const std::filesystem::path& file, std::string_view utf8Page);

/// The dictionary page of a character (NM_CNWord looked up by the whole text)
/// as UTF-8 HTML. The character is HTML-escaped; pinyin, radical, strokes and
/// explanations go in as stored (a NULL stroke column shows empty). A text
/// without a row gives a page with the character and empty fields.
std::string characterPage(NameDatabase& db, const std::string& character);

/// Writes `characterPage` to `pageFilePath(directory, pageNumber)`: 1 to 4
/// for the characters of a name in the detail window, 0 for the dictionary.
/// False when the file cannot be written.
bool writeCharacterPage(
    NameDatabase& db, const std::string& character, int pageNumber, const std::filesystem::path& directory);

/// The surname page (NM_百家姓 looked up by the whole surname, so 欧阳 is
/// found as 欧阳) as UTF-8 HTML; the surname is HTML-escaped, the origin,
/// region and famous-people texts go in as stored.
std::string surnamePage(NameDatabase& db, const std::string& surname);

/// Writes `surnamePage` to `directory`/temp5.html. False when it cannot be written.
bool writeSurnamePage(NameDatabase& db, const std::string& surname, const std::filesystem::path& directory);

} // namespace jm
