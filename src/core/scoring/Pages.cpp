#include "scoring/Pages.h"

#include "data/CharacterRepository.h"
#include "data/SurnameReadings.h"
#include "data/SurnameRepository.h"
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
    const CharacterRecord r = CharacterRepository(db).find(character).value_or(CharacterRecord {});
    // A NULL stroke column stays empty instead of showing 0.
    const auto strokes = [](const std::optional<int>& n) { return n ? decimal(*n) : std::string(); };
    return fillPlaceholders(std::string(embeddedResource("templates/character.html")),
        {
            { "{汉字}", htmlEscape(character) },
            { "{拼音}", r.pinyin2 },
            { "{简体笔划}", strokes(r.simplifiedStrokes) },
            { "{部首}", r.radical },
            { "{繁体笔划}", strokes(r.traditionalStrokes) },
            { "{基本解释}", r.basicExplanation },
            { "{详细解释}", r.detailedExplanation },
        });
}

bool writeCharacterPage(
    NameDatabase& db, const std::string& character, int pageNumber, const std::filesystem::path& directory)
{
    return writeGbkPage(pageFilePath(directory, pageNumber), characterPage(db, character)).ok();
}

std::string surnamePage(NameDatabase& db, const std::string& surname)
{
    SurnameRecord record = SurnameRepository(db).find(surname).value_or(SurnameRecord {});
    std::string reading;
    for (const std::string& syllable : surnameReading(db, surname))
        reading += (reading.empty() ? "" : " ") + syllable;
    if (!reading.empty()) reading = "（" + reading + "）";
    return fillPlaceholders(std::string(embeddedResource("templates/surname.html")),
        {
            { "{姓氏读音}", std::move(reading) },
            { "{姓氏}", htmlEscape(surname) },
            { "{姓氏起源}", std::move(record.origin) },
            { "{聚集地}", std::move(record.region) },
            { "{历史名人}", std::move(record.famousPeople) },
        });
}

bool writeSurnamePage(NameDatabase& db, const std::string& surname, const std::filesystem::path& directory)
{
    return writeGbkPage(pageFilePath(directory, 5), surnamePage(db, surname)).ok();
}

} // namespace jm
