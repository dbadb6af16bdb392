#pragma once

#include <array>
#include <string>
#include <string_view>

namespace jm {

class NameDatabase;

/// The pinyin initial of a character for the English name mode: column 声母
/// of NM_CNWord in lower case, or the first letter of 拼音1 when 声母 is
/// empty (安 "an" gives "a"; a tone mark is dropped, "ān" gives "a" too).
/// Empty for a character the table lacks.
std::string pinyinInitial(NameDatabase& db, const std::string& character);

/// The English initial that sounds like a pinyin initial: a→i, c→s, j→g,
/// k→ch, o→a, q→ch, x→sh, y→e, z→th; any other text (including "zh", "ch",
/// "sh") unchanged.
std::string englishInitial(std::string_view pinyinInitial);

/// The address of the dictionary's search page for an English name: `base`
/// (scheme and host, optionally a path prefix; a trailing "/" is dropped)
/// + "/s?wd=" + the name percent-encoded as UTF-8 (letters, digits and
/// "-._~" stay as they are).
std::string pronunciationSearchUrl(std::string_view base, std::string_view name);

/// The pronunciation address in a dictionary search page: the text after the
/// first `<a href="#" url="` up to the next ".mp3", with ".mp3" appended.
/// Empty when the marker or the ".mp3" after it is missing.
std::string pronunciationAddress(std::string_view page);

} // namespace jm
