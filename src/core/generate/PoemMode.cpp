#include "generate/PoemMode.h"

#include "generate/CandidatePipeline.h"
#include "generate/GenerationModes.h"
#include "scoring/NameAdvisor.h"
#include "scoring/Pages.h"
#include "text/Text.h"

#include <algorithm>

namespace jm {

std::vector<std::string> loadPoets(NameDatabase& db)
{
    std::vector<std::string> poets = PoemRepository(db).poets();
    // The list always has a row, as every list read from the database did.
    if (poets.empty()) poets.emplace_back();
    return poets;
}

std::vector<PoemEntry> loadPoems(NameDatabase& db, const std::string& poet)
{
    std::vector<PoemEntry> poems = PoemRepository(db).poemsOf(poet);
    if (poems.empty()) poems.emplace_back();
    return poems;
}

std::optional<Poem> loadPoem(NameDatabase& db, long long id)
{
    return PoemRepository(db).find(id);
}

std::optional<Poem> findPoem(NameDatabase& db, const std::string& poet, const std::string& title)
{
    return PoemRepository(db).find(poet, title);
}

std::string poemPage(const Poem& poem)
{
    std::string content = poem.content;
    replaceAll(content, "。", "。<br>");
    const std::string heading = poem.poet + ":" + poem.title;
    return "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\"><title>" + heading
        + "</title></head><body><b>" + heading + "</b><br><br>" + content + "</body></html>";
}

bool writePoemPage(const Poem& poem, const std::filesystem::path& directory)
{
    return writeGbkPage(pageFilePath(directory, 0), poemPage(poem)).ok();
}

std::vector<std::string> poemBoxCharacters(const std::string& content)
{
    std::string text = content;
    replaceAll(text, "，", "");
    replaceAll(text, "。", "");
    return splitCharacters(text);
}

bool checkedByDefault(const std::string& character, const std::string& initials)
{
    return !character.empty() && initials.find(character) != std::string::npos;
}

std::vector<std::string> defaultCheckedCharacters(const Poem& poem)
{
    std::vector<std::string> checked;
    for (std::string& c : poemBoxCharacters(poem.content))
        if (checkedByDefault(c, poem.initials)) checked.push_back(std::move(c));
    return checked;
}

std::vector<bool> suitableDefaultTicks(NameDatabase& db, const Poem& poem)
{
    const std::vector<std::string> characters = poemBoxCharacters(poem.content);
    const NameAdvisor advisor = NameAdvisor::load(db, characters);
    const auto fit = [&](const std::string& c) { return advisor.facts(c).suitability.usage == CharacterUsage::Fit; };
    std::vector<bool> ticks;
    ticks.reserve(characters.size());
    std::vector<std::string> distinct;
    for (const std::string& c : characters) {
        ticks.push_back(checkedByDefault(c, poem.initials) && fit(c));
        if (ticks.back() && std::find(distinct.begin(), distinct.end(), c) == distinct.end()) distinct.push_back(c);
    }
    // Marks that leave nothing to pair (静夜思 marks 床 疑 举 低, none fit for
    // a name): offer the poem's fit characters instead.
    if (distinct.empty())
        for (std::size_t i = 0; i < characters.size(); ++i)
            ticks[i] = fit(characters[i]);
    return ticks;
}

std::vector<std::string> suitableCheckedCharacters(NameDatabase& db, const Poem& poem)
{
    const std::vector<std::string> characters = poemBoxCharacters(poem.content);
    const std::vector<bool> ticks = suitableDefaultTicks(db, poem);
    std::vector<std::string> checked;
    for (std::size_t i = 0; i < characters.size(); ++i)
        if (ticks[i]) checked.push_back(characters[i]);
    return checked;
}

std::string poemCandidateText(const std::vector<std::string>& checked, const std::string& surname)
{
    std::string text;
    for (const std::string& c : checked)
        if (text.find(c) == std::string::npos) text += c;
    if (text.find(surname) == std::string::npos) text += surname;
    return text;
}

void runPoemMode(GenerationRun& run)
{
    const GenerationRequest& request = run.request();
    run.phase(GenerationPhase::SettingUp);
    run.data().candidateCharacters = splitCharacters(poemCandidateText(request.poem.characters, request.surname));
    if (!limitCandidateCharacters(run)) return;

    run.phase(GenerationPhase::FormingCandidates);
    if (!formCandidateNames(run)) return;
    fillScoredList(run, 0, std::nullopt);
}

} // namespace jm
