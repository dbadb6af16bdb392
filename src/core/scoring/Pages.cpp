#include "scoring/Pages.h"

#include "data/SurnameReadings.h"
#include "resources/Resources.h"
#include "settings/Paths.h"
#include "text/Text.h"

namespace jm {

std::string fillPlaceholders(std::string page, const std::vector<Placeholder>& values)
{
    for (const auto& [placeholder, value] : values)
        replaceAll(page, placeholder, value);
    return page;
}

std::filesystem::path pageFilePath(const std::filesystem::path& directory, int pageNumber)
{
    if (pageNumber == 0) return directory / "temp.html";
    return directory / ("temp" + decimal(pageNumber) + ".html");
}

Result<void> writeGbkPage(const std::filesystem::path& file, std::string_view utf8Page)
{
    return writeFileAtomically(file, toGbk(utf8Page));
}

std::string characterPage(NameDatabase& db, const std::string& character)
{
    Statement stmt = db.query("select * from NM_CNWord where 汉字=?", { character });
    // Strokes are read as text so that a NULL column stays empty instead of 0.
    std::string page = fillPlaceholders(std::string(embeddedResource("templates/character.html")),
        {
            { "{汉字}", htmlEscape(character) },
            { "{拼音}", db.columnText(stmt, 8) },
            { "{简体笔划}", db.columnText(stmt, 5) },
            { "{部首}", db.columnText(stmt, 11) },
            { "{繁体笔划}", db.columnText(stmt, 6) },
            { "{基本解释}", db.columnText(stmt, 14) },
            { "{详细解释}", db.columnText(stmt, 15) },
        });
    db.finalize(stmt);
    return page;
}

bool writeCharacterPage(
    NameDatabase& db, const std::string& character, int pageNumber, const std::filesystem::path& directory)
{
    return writeGbkPage(pageFilePath(directory, pageNumber), characterPage(db, character)).ok();
}

std::string surnamePage(NameDatabase& db, const std::string& surname)
{
    Statement stmt = db.query("select * from NM_百家姓 where 姓=?", { surname });
    std::string origin = db.columnText(stmt, 2);
    std::string region = db.columnText(stmt, 3);
    std::string people = db.columnText(stmt, 4);
    db.finalize(stmt);
    std::string reading;
    for (const std::string& syllable : surnameReading(db, surname))
        reading += (reading.empty() ? "" : " ") + syllable;
    if (!reading.empty()) reading = "（" + reading + "）";
    return fillPlaceholders(std::string(embeddedResource("templates/surname.html")),
        {
            { "{姓氏读音}", std::move(reading) },
            { "{姓氏}", htmlEscape(surname) },
            { "{姓氏起源}", std::move(origin) },
            { "{聚集地}", std::move(region) },
            { "{历史名人}", std::move(people) },
        });
}

bool writeSurnamePage(NameDatabase& db, const std::string& surname, const std::filesystem::path& directory)
{
    return writeGbkPage(pageFilePath(directory, 5), surnamePage(db, surname)).ok();
}

} // namespace jm
