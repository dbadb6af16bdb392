#include "generate/CharacterLists.h"

#include "resources/Resources.h"

namespace jm {

namespace {

// The resource files hold the list on one line; a trailing line break from
// an editor is not part of the list.
std::string_view trimmedResource(std::string_view path)
{
    std::string_view text = embeddedResource(path);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

} // namespace

std::string_view maleCharacters()
{
    static const std::string_view list = trimmedResource("lists/MaleCharacters.txt");
    return list;
}

std::string_view femaleCharacters()
{
    static const std::string_view list = trimmedResource("lists/FemaleCharacters.txt");
    return list;
}

std::string_view characterListForSex(std::string_view sex)
{
    return sex == "女" ? femaleCharacters() : maleCharacters();
}

} // namespace jm
