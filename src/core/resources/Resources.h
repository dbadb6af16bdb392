#pragma once

#include <string_view>

namespace jm {

/// A text file of the program's resources/ folder (lists/, templates/, texts/),
/// compiled into the program; `path` is relative to resources/, e.g.
/// "lists/MaleCharacters.txt". Empty when there is no such file.
std::string_view embeddedResource(std::string_view path);

} // namespace jm
