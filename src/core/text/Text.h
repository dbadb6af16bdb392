#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace jm {

/// The characters of a UTF-8 text, one entry per code point, in order.
/// A text made only of spaces (ASCII space and the full-width space U+3000)
/// gives the empty list; otherwise spaces inside the text are characters of
/// their own. Malformed bytes are taken one at a time, never dropped.
std::vector<std::string> splitCharacters(std::string_view text);

/// Number of code points of a UTF-8 text (malformed bytes count one each).
std::size_t characterCount(std::string_view text);

/// True when the text holds nothing but ASCII and full-width spaces.
bool isBlank(std::string_view text);

/// UTF-8 to GBK bytes (GB18030 encoder: identical to GBK for every GBK
/// character; characters outside GBK keep their four-byte GB18030 form).
std::string toGbk(std::string_view utf8);

/// GBK / GB18030 bytes to UTF-8. Invalid sequences become U+FFFD.
std::string fromGbk(std::string_view gbk);

/// Replaces & < > " ' by HTML entities, for user text inserted into a page.
std::string htmlEscape(std::string_view text);

/// Replaces every occurrence of `from` in `text` by `to` (left to right, the
/// inserted text is not searched again by this call).
void replaceAll(std::string& text, std::string_view from, std::string_view to);

/// True when the text is well-formed UTF-8: no stray continuation bytes, no
/// cut sequences, no overlong forms, no surrogates, nothing past U+10FFFF.
bool isValidUtf8(std::string_view text);

/// The text for a message: control characters (U+0000-U+001F, U+007F,
/// U+0080-U+009F) become "\u{XX}" and malformed bytes "\xXX", so a typed or
/// stored text can neither garble a terminal nor hide in a message box.
std::string printable(std::string_view text);

/// The text without leading and trailing whitespace: ASCII blanks, tabs,
/// line breaks and the full-width space U+3000.
std::string_view trimSpaces(std::string_view text);

/// Decimal text of an integer.
std::string decimal(long long value);

} // namespace jm
