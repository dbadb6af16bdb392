#include "generate/CharacterLists.h"

#include "resources/Resources.h"

namespace jm {

namespace {

// The resource files hold the list on one line; a trailing line break from
// an editor is not part of the list.
std::string_view trimmedResource(std::string_view path)
{
    std::string_view text = embeddedResource(path);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.remove_suffix(1);
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

std::string_view malePleasantCharacters()
{
    static const std::string_view list = trimmedResource("lists/MalePleasantCharacters.txt");
    return list;
}

std::string_view femalePleasantCharacters()
{
    static const std::string_view list = trimmedResource("lists/FemalePleasantCharacters.txt");
    return list;
}

std::string_view maleGivenNames()
{
    static const std::string_view list = trimmedResource("lists/MaleGivenNames.txt");
    return list;
}

std::string_view femaleGivenNames()
{
    static const std::string_view list = trimmedResource("lists/FemaleGivenNames.txt");
    return list;
}

std::vector<std::string> splitNameList(std::string_view list)
{
    std::vector<std::string> entries;
    std::size_t begin = 0;
    for (std::size_t comma; (comma = list.find(',', begin)) != std::string_view::npos; begin = comma + 1)
        entries.emplace_back(list.substr(begin, comma - begin));
    if (begin < list.size()) entries.emplace_back(list.substr(begin));
    return entries;
}

std::string_view characterListForSex(std::string_view sex)
{
    return sex == "女" ? femaleCharacters() : maleCharacters();
}

} // namespace jm
