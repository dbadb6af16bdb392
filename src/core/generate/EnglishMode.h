#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace jm {

class NameDatabase;

/// The pinyin initial of a character for the English name mode: column 声母
/// of NM_CNWord in lower case, or the first letter of 拼音1 when 声母 is
/// empty (安 "an" gives "a"; a tone mark is dropped, "ān" gives "a" too).
/// Empty for a character the table lacks.
std::string pinyinInitial(NameDatabase& db, const std::string& character);

/// The English initial that sounds like a pinyin initial: a→i, c→s, j→g,
/// k→ch, o→a, q→ch, x→sh, y→e, z→th, and zh→j (no English name begins with
/// zh); any other text (including "ch", "sh") unchanged.
std::string englishInitial(std::string_view pinyinInitial);

/// The English initials to try for a pinyin initial, nearest first: the one
/// of englishInitial, then the next nearest for a style that has no name
/// under it (th, the English key of z, has no name given to both sexes: s,
/// the key of c, follows; zh→j is followed by ch).
std::vector<std::string> englishInitials(std::string_view pinyinInitial);

/// Whether a name of `letters` letters lies within the bounds (0: no bound;
/// bounds given the wrong way round are read the right way).
bool englishLengthFits(std::size_t letters, int minLength, int maxLength);

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
