#include "content/Dictionary.h"

#include "data/CharacterForms.h"
#include "text/Text.h"

#include <algorithm>
#include <cctype>

namespace jm {

std::optional<DictionaryEntry> lookUpDictionary(NameDatabase& db, const std::string& character)
{
    Statement stmt = db.query("select * from NM_CNWord where 汉字=?", { character });
    // An empty result reads as one empty row: a row without its character is none.
    if (db.columnText(stmt, 2).empty()) {
        db.finalize(stmt);
        return std::nullopt;
    }
    DictionaryEntry e;
    e.character = character;
    e.pinyin = db.columnText(stmt, 8);
    e.radical = db.columnText(stmt, 11);
    e.simplifiedStrokes = db.columnText(stmt, 5);
    e.traditionalStrokes = db.columnText(stmt, 6);
    e.element = db.columnText(stmt, 12);
    e.basicExplanation = db.columnText(stmt, 14);
    e.detailedExplanation = db.columnText(stmt, 15);
    db.finalize(stmt);
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
