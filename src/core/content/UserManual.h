#pragma once

#include <filesystem>

namespace jm {

/// The user manual Help/用户手册.html: beside the executable (the build tree
/// copies it there), else in ../share/jiaming/Help next to the executable's
/// directory, else in the installed share directory. Returns the first that
/// exists, or the beside-the-executable path when none does.
std::filesystem::path userManualPath();

} // namespace jm
