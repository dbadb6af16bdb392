#pragma once

#include <string>
#include <string_view>

namespace jm {

/// True when `text`, without its half-width and full-width spaces, starts
/// with a hanzi of GB2312's hanzi block: in GBK its first byte lies in
/// 0xB0..0xF7 and its second in 0xA1..0xFE. Only the first character counts.
bool isHanzi(std::string_view text);

/// The hanzi of `text` in order (repeats kept): spaces, letters, digits,
/// punctuation and characters outside GB2312's hanzi block are dropped.
std::string keepHanzi(std::string_view text);

} // namespace jm
