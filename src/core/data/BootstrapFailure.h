#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace jm {

/// The message a user reads when the shipped database could not be loaded:
/// it names `file` and, in Chinese, the cause — the file is missing, is not
/// a file, cannot be read, is empty, is not an SQLite database, lacks tables,
/// has the columns of another version
/// or holds impossible values — found by looking at the file itself and at
/// `bootstrapError` (the failure text of `bootstrapDatabase`). Ends
/// with what still works and what to do. Touches the file only to read its
/// first bytes.
std::string describeBootstrapFailure(const std::filesystem::path& file, std::string_view bootstrapError);

} // namespace jm
