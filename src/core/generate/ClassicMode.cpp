#include "generate/ClassicMode.h"

#include "generate/CharacterLists.h"
#include "generate/GenerationModes.h"
#include "generate/GenerationRun.h"
#include "text/Text.h"

namespace jm {

std::vector<std::string> classicEntries(std::string_view sex, int nameLength)
{
    const bool girl = sex == "女";
    if (nameLength == 2) return splitNameList(girl ? femaleGivenNames() : maleGivenNames());
    return splitCharacters(girl ? femalePleasantCharacters() : malePleasantCharacters());
}

std::string classicText(const std::string& surname, const std::vector<std::string>& entries, int nameLength)
{
    const bool two = nameLength == 2;
    const std::string_view separator = two ? "  " : "   ";
    const std::size_t rowLength = two ? 14 : 16;
    std::string text;
    text.reserve(entries.size() * (surname.size() + 10));
    for (std::size_t i = 1; i <= entries.size(); ++i) {
        text += surname;
        text += entries[i - 1];
        text += separator;
        if (i % rowLength == 0) text += "\r\n\r\n";
    }
    return text;
}

void runClassicMode(GenerationRun& run)
{
    // No lookups and no scoring: the built-in names in a new order.
    const GenerationRequest& request = run.request();
    run.phase(GenerationPhase::SettingUp);
    std::vector<std::string> entries = classicEntries(request.sex, run.nameLength());
    shuffleTexts(entries, run.random());
    std::string text = classicText(request.surname, entries, run.nameLength());
    run.sink().onText(text);
    run.result().text = std::move(text);
}

} // namespace jm
