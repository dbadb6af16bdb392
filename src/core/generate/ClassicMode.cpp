#include "generate/ClassicMode.h"

#include "generate/CharacterLists.h"
#include "generate/GenerationModes.h"
#include "generate/GenerationRun.h"
#include "scoring/NameAdvisor.h"
#include "text/Text.h"

#include <algorithm>
#include <unordered_set>

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

std::vector<std::string> suitableClassicEntries(NameDatabase& db, const std::string& surname, const std::string& sex,
    const std::vector<std::string>& entries, std::array<std::size_t, kExclusionCount>* excluded)
{
    std::vector<std::string> texts = entries;
    texts.push_back(surname);
    const NameAdvisor advisor = NameAdvisor::load(db, texts);
    std::vector<const CharacterFacts*> surnameFacts;
    const std::vector<std::string> surnameChars = splitCharacters(surname);
    for (const std::string& c : surnameChars)
        surnameFacts.push_back(&advisor.facts(c));
    std::unordered_set<std::string> seen;
    std::vector<std::string> kept;
    for (const std::string& entry : entries) {
        Exclusion why = Exclusion::None;
        std::vector<const CharacterFacts*> full = surnameFacts;
        for (const std::string& c : splitCharacters(entry)) {
            const CharacterFacts& f = advisor.facts(c);
            full.push_back(&f);
            if (why != Exclusion::None) continue;
            why = advisor.excludeCharacter(f, sex);
            if (why == Exclusion::None && std::find(surnameChars.begin(), surnameChars.end(), c) != surnameChars.end())
                why = Exclusion::SurnameInside;
        }
        if (why == Exclusion::None && advisor.soundsLike(full)) why = Exclusion::Homophone;
        if (why == Exclusion::None && !seen.insert(entry).second) why = Exclusion::Repeat;
        if (why == Exclusion::None)
            kept.push_back(entry);
        else if (excluded)
            ++(*excluded)[static_cast<std::size_t>(why)];
    }
    return kept;
}

void runClassicMode(GenerationRun& run)
{
    // No lookups and no scoring: the built-in names in a new order.
    const GenerationRequest& request = run.request();
    run.phase(GenerationPhase::SettingUp);
    std::vector<std::string> entries = classicEntries(request.sex, run.nameLength());
    if (!request.showAllNames)
        entries = suitableClassicEntries(run.database(), request.surname, request.sex, entries, &run.result().excluded);
    shuffleTexts(entries, run.random());
    std::string text = classicText(request.surname, entries, run.nameLength());
    run.report(generation_event::Text { text });
    run.result().text = std::move(text);
}

} // namespace jm
