#pragma once

#include "Result.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace jm {

/// Directory of the running executable.
std::filesystem::path programDirectory();

/// The shipped database: $JIAMING_DB when set, else data/namedata.db beside
/// the executable, in ../share/jiaming beside the executable's directory, in
/// the installed share directory, or (debug builds only) in the source
/// tree's build folder, in that order. Returns the first candidate that
/// exists, or the beside-the-executable path when none does.
std::filesystem::path shippedDatabasePath();

/// Writable directory for pages and exports: $JIAMING_DATA_DIR, else
/// $XDG_DATA_HOME/jiaming/data, else ~/.local/share/jiaming/data.
/// Not created by this call.
std::filesystem::path dataDirectory();

/// Creates the data directory when missing; returns it, or nothing when it
/// cannot be created or written.
std::optional<std::filesystem::path> ensureDataDirectory();

/// Settings file: $JIAMING_CONFIG, else $XDG_CONFIG_HOME/jiaming/config.dat,
/// else ~/.config/jiaming/config.dat.
std::filesystem::path configPath();

/// Writes `bytes` to `path` through a temporary file in the same directory
/// and a rename, so readers see either the old or the new complete file.
/// Only regular files are written: a symbolic link is followed (the file it
/// names is written; a link to nothing is refused); a directory, device,
/// FIFO or socket at the target is refused, and so is a target the user may
/// not write (a read-only file is not replaced). An existing file keeps its
/// permission bits. The parent directory must exist: it is not created. On
/// failure the old file is untouched and the message names the path and the
/// reason.
Result<void> writeFileAtomically(const std::filesystem::path& path, const std::string& bytes);

/// Removes the temporary files a writer of `path` left behind when it was
/// killed in the middle of `writeFileAtomically` (`path` + ".tmp-" + six
/// characters), if they are older than `age`, so that a writer still at work
/// keeps its own. Returns how many were removed.
int removeStaleTemporaryFiles(
    const std::filesystem::path& path, std::filesystem::file_time_type::duration age = std::chrono::minutes(10));

/// Whole file as bytes; nothing when it cannot be read.
std::optional<std::string> readFileBytes(const std::filesystem::path& path);

/// Whole file as bytes. A missing file gives nothing (not a failure); a file
/// that exists but cannot be read (permissions, I/O error, not a regular
/// file) is a failure whose message names the path and the reason.
Result<std::optional<std::string>> readExistingFile(const std::filesystem::path& path);

/// A path for messages: the file name bytes as UTF-8 with control characters
/// and invalid bytes shown as escapes, so a crafted name cannot garble the
/// message it appears in.
std::string displayPath(const std::filesystem::path& path);

} // namespace jm
