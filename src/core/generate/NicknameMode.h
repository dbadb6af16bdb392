#pragma once

#include "generate/GenerationRequest.h"

#include <string>
#include <string_view>

namespace jm {

/// The nickname mode's characters: the boys' list followed by the girls'
/// list (2827 characters; the 703 in both appear twice).
const std::string& nicknameCharacters();

/// The given name a pattern forms from one character: AA, 小A, A儿 or 阿A.
std::string nicknameFor(NicknamePattern pattern, std::string_view character);

} // namespace jm
