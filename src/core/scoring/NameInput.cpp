#include "scoring/NameInput.h"

#include "data/CharacterForms.h"
#include "text/Text.h"

#include <limits>

namespace jm {
namespace {

// A message quotes at most this many characters of what was typed, so a
// pasted megabyte does not become a megabyte of message.
constexpr std::size_t kQuotedCharacters = 12;

std::string quoted(std::string_view text)
{
    const auto characters = splitCharacters(text);
    std::string shown;
    for (std::size_t i = 0; i < characters.size() && i < kQuotedCharacters; ++i)
        shown += characters[i];
    if (characters.size() > kQuotedCharacters) shown += "…";
    return "“" + printable(shown) + "”";
}

std::string characterName(const std::string& character)
{
    if (character == " " || character == "\xE3\x80\x80") return "空格";
    return quoted(character);
}

Result<CheckedText> check(NameDatabase& db, std::string_view input, std::string_view what, std::size_t maxCharacters)
{
    // An unknown character among the first ones is named before a text is
    // called too long: "张 三" is told about its space, not its length.
    if (const Result<void> shape = checkNameShape(input, what, std::numeric_limits<std::size_t>::max()); !shape)
        return Failure { shape.error() };
    CheckedText out;
    out.typed = std::string(trimSpaces(input));
    const auto characters = splitCharacters(out.typed);
    for (std::size_t i = 0; i < characters.size(); ++i) {
        if (i == maxCharacters) return Failure { checkNameShape(input, what, maxCharacters).error() };
        const std::string& character = characters[i];
        const auto listed = listedCharacterForm(db, character);
        if (!listed)
            return Failure { std::string(what) + "里的" + characterName(character)
                + "不是字库里的汉字，不能用来起名或评分。" };
        out.text += *listed;
    }
    return out;
}

} // namespace

Result<void> checkNameShape(std::string_view input, std::string_view what, std::size_t maxCharacters)
{
    if (!isValidUtf8(input)) return Failure { std::string(what) + "含有无法识别的字节（不是 UTF-8 文字）。" };
    const std::string_view text = trimSpaces(input);
    if (text.empty()) return Failure { "请输入" + std::string(what) };
    const std::size_t count = characterCount(text);
    if (count > maxCharacters) {
        const std::string limit
            = maxCharacters == 1 ? "只能是一个字" : "最多" + decimal(static_cast<long long>(maxCharacters)) + "个字";
        return Failure { std::string(what) + limit + "，" + quoted(text) + "有" + decimal(static_cast<long long>(count))
            + "个字。" };
    }
    return success();
}

Result<CheckedText> checkSurname(NameDatabase& db, std::string_view input)
{
    return check(db, input, "姓氏", kMaxSurnameCharacters);
}

Result<CheckedText> checkGivenName(NameDatabase& db, std::string_view input)
{
    return check(db, input, "名字", kMaxGivenNameCharacters);
}

Result<CheckedText> checkGenerationCharacter(NameDatabase& db, std::string_view input)
{
    return check(db, input, "辈份", 1);
}

} // namespace jm
