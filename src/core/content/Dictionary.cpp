#include "content/Dictionary.h"

#include "data/CharacterForms.h"
#include "data/CharacterRepository.h"
#include "text/Text.h"

#include <algorithm>
#include <cctype>

namespace jm {

std::optional<DictionaryEntry> lookUpDictionary(NameDatabase& db, const std::string& character)
{
    std::optional<CharacterRecord> r = CharacterRepository(db).find(character);
    // A row without its character is none.
    if (!r || r->character.empty()) return std::nullopt;
    const auto strokes = [](const std::optional<int>& n) { return n ? decimal(*n) : std::string(); };
    DictionaryEntry e;
    e.character = character;
    e.pinyin = std::move(r->pinyin2);
    e.radical = std::move(r->radical);
    e.simplifiedStrokes = strokes(r->simplifiedStrokes);
    e.traditionalStrokes = strokes(r->traditionalStrokes);
    e.element = std::move(r->element);
    e.basicExplanation = std::move(r->basicExplanation);
    e.detailedExplanation = std::move(r->detailedExplanation);
    return e;
}

std::vector<CharacterMatch> findCharacters(NameDatabase& db, std::string_view text)
{
    std::vector<CharacterMatch> matches;
    for (std::string& character : splitCharacters(text)) {
        if (isBlank(character)) continue;
        CharacterMatch match { std::move(character), {} };
        if (hasCharacterRow(db, match.typed))
            match.found.push_back(match.typed);
        else
            match.found = charactersOfTraditionalForm(db, match.typed);
        matches.push_back(std::move(match));
    }
    return matches;
}

std::string explanationText(std::string_view html)
{
    std::string out;
    std::size_t i = 0;
    while (i < html.size()) {
        if (html[i] == '<') {
            const std::size_t end = html.find('>', i);
            if (end == std::string_view::npos) break;
            std::string tag(html.substr(i + 1, end - i - 1));
            std::transform(tag.begin(), tag.end(), tag.begin(),
                [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            const std::string name = tag.substr(0, tag.find_first_of(" /\t"));
            if (name == "br") {
                if (!out.empty()) out += '\n';
            } else if (tag == "/p" || tag == "/div" || tag == "/li") {
                if (!out.empty() && out.back() != '\n') out += '\n';
            }
            i = end + 1;
            continue;
        }
        out += html[i++];
    }
    for (const auto& [entity, text] : { std::pair { "&nbsp;", " " }, { "&lt;", "<" }, { "&gt;", ">" },
             { "&quot;", "\"" }, { "&#39;", "'" }, { "&amp;", "&" } })
        replaceAll(out, entity, text);
    while (!out.empty() && (out.back() == '\n' || out.back() == ' '))
        out.pop_back();
    return out;
}

} // namespace jm
