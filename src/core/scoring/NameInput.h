#pragma once

#include "Result.h"
#include "data/NameDatabase.h"

#include <string>
#include <string_view>

namespace jm {

/// The most characters a surname may have. Every surname of NM_百家姓,
/// compound ones (欧阳, 司马) included, has one or two.
inline constexpr std::size_t kMaxSurnameCharacters = 2;
/// The most characters of a typed given name to rate.
inline constexpr std::size_t kMaxGivenNameCharacters = 2;

/// A checked name part.
struct CheckedText {
    /// The characters as the dictionary lists them (traditional forms read
    /// through NM_CNWord's 繁体 column: 張 → 张); what scoring uses.
    std::string text;
    /// The input without surrounding spaces, as typed (張).
    std::string typed;
};

/// The one input check for names, used by the window and the command line.
/// Each function trims ASCII and full-width spaces, then refuses, with a
/// message for the user, an empty text, bytes that are not UTF-8, a text
/// longer than the part allows (never cut silently), and any character the
/// dictionary does not know (the message names it). The database must be
/// ready. Any thread; one statement at a time on `db`.

/// A surname: one or two known characters (a compound surname such as 欧阳
/// is two known characters).
Result<CheckedText> checkSurname(NameDatabase& db, std::string_view input);
/// A typed given name to rate: one or two known characters.
Result<CheckedText> checkGivenName(NameDatabase& db, std::string_view input);
/// A generation character (辈份): exactly one known character.
Result<CheckedText> checkGenerationCharacter(NameDatabase& db, std::string_view input);

/// The part of the checks that needs no database (empty, UTF-8, length), for
/// a caller that wants to refuse before it opens one. `what` is "姓氏",
/// "名字" or "辈份"; `maxCharacters` the part's limit.
Result<void> checkNameShape(std::string_view input, std::string_view what, std::size_t maxCharacters);

} // namespace jm
