#pragma once

#include <string>
#include <string_view>

namespace jm {

/// The zodiac advice of a branch 1..12 (子 鼠 .. 亥 猪): the animal and the
/// name radicals recommended (宜) and to be avoided (忌), in the form
/// "生肖属相：A。\r\n\r\nA年出生的人取名偏旁部首：\r\n\r\n宜：…等部首为吉。\r\n\r\n忌：…等部首。"
/// (the 蛇 and 马 texts end with one more space). Empty for any other branch.
std::string_view zodiacAdviceText(int branch);

/// Appends the advice of the animal of a year pillar name such as "丁酉" to
/// `text`; appends nothing when the name is no sexagenary name.
void appendZodiacAdvice(std::string& text, std::string_view yearPillarName);

} // namespace jm
