#pragma once

#include "Result.h"
#include "generate/EnglishRow.h"
#include "generate/GenerationRequest.h"
#include "generate/NameRow.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace jm {

/// Export files in the data directory.
inline constexpr const char* kHighScoreExportFile = "NameList.txt";
inline constexpr const char* kSuperLuckyExportFile = "100NameList.txt";
inline constexpr const char* kClassicExportFile = "ClassNameList.txt";
inline constexpr const char* kPoemExportFile = "PoemNameList.txt";
inline constexpr const char* kCombinationExportFile = "ComboNameList.txt";
inline constexpr const char* kNicknameExportFile = "NickNameList.txt";
inline constexpr const char* kEnglishExportFile = "EnglishNameList.txt";

/// The file name an export of the list (or text) of `mode` suggests.
const char* exportFileName(GenerationMode mode);

/// The text of a list export (UTF-8, lines ended by "\r\n"): the header line,
/// then one line per row with the eight cells joined by four spaces. The
/// list holds `rowCount` rows (`rows.size()` when absent); rows past
/// `rows.size()` are empty, as the rows a running list has not filled yet.
/// The export stops after the first row whose 编号 is empty.
std::string resultListText(const std::vector<NameRow>& rows, std::optional<std::size_t> rowCount = std::nullopt);

/// The text of an English list export, in the same form: the header line
/// "编号    英文名    中文读音    相关含义", then one line per row.
std::string englishListText(const std::vector<EnglishRow>& rows);

/// True when `utf8` holds a character outside GBK: its export bytes are
/// then GB18030 (four bytes for such a character), which GBK-only readers
/// cannot show.
bool needsGb18030(std::string_view utf8);

/// Writes `utf8` as GBK bytes (GB18030) to `path`, replacing the file as
/// `writeFileAtomically` does (regular files only, the folder must exist).
Result<void> writeExportFile(const std::filesystem::path& path, const std::string& utf8);

/// The file an export wrote. After a failed write the failure says why, and
/// the file there (if any) is an old one that must not be presented as the export.
struct ExportedFile {
    std::filesystem::path path;
    /// The text held characters outside GBK (see needsGb18030).
    bool gb18030 = false;
};

/// Writes an export to `path` (a file the user chose; its folder must exist).
Result<ExportedFile> exportTextTo(const std::filesystem::path& path, const std::string& utf8);

/// Exports a scored list to `fileName` in the data directory.
Result<ExportedFile> exportResultList(
    const std::vector<NameRow>& rows, const std::string& fileName, std::optional<std::size_t> rowCount = std::nullopt);
/// Exports the classic text unchanged to kClassicExportFile in the data directory.
Result<ExportedFile> exportClassicText(const std::string& text);

} // namespace jm
