#include "generate/ResultExport.h"

#include "settings/Paths.h"
#include "text/Text.h"

namespace jm {

namespace {

constexpr const char* kCellSeparator = "    ";
constexpr const char* kLineEnd = "\r\n";

Result<ExportedFile> exportText(const std::string& fileName, const std::string& utf8)
{
    const auto directory = ensureDataDirectory();
    if (!directory) return Failure { "无法创建或写入数据目录 " + displayPath(dataDirectory()) };
    return exportTextTo(*directory / fileName, utf8);
}

/// The header line and the rows, cells apart by four spaces, lines ended by
/// CR LF; after the first row whose 编号 (first cell) is empty, nothing more.
template <typename Row, std::size_t N>
std::string listText(const std::array<std::string_view, N>& headers, const std::vector<Row>& rows, std::size_t count)
{
    std::string text;
    for (std::size_t c = 0; c < headers.size(); ++c) {
        if (c) text += kCellSeparator;
        text += headers[c];
    }
    text += kLineEnd;
    const Row empty;
    for (std::size_t r = 0; r < count; ++r) {
        const Row& row = r < rows.size() ? rows[r] : empty;
        for (std::size_t c = 0; c < row.columns.size(); ++c) {
            if (c) text += kCellSeparator;
            text += row.columns[c];
        }
        text += kLineEnd;
        // The first unfilled row of a list still being filled ends the export.
        if (row.columns[0].empty()) break;
    }
    return text;
}

} // namespace

const char* exportFileName(GenerationMode mode)
{
    switch (mode) {
    case GenerationMode::HighScore:
        return kHighScoreExportFile;
    case GenerationMode::SuperLucky:
        return kSuperLuckyExportFile;
    case GenerationMode::Poem:
        return kPoemExportFile;
    case GenerationMode::Combination:
        return kCombinationExportFile;
    case GenerationMode::Nickname:
        return kNicknameExportFile;
    case GenerationMode::English:
        return kEnglishExportFile;
    case GenerationMode::Classic:
        break;
    }
    return kClassicExportFile;
}

std::string resultListText(const std::vector<NameRow>& rows, std::optional<std::size_t> rowCount)
{
    return listText(kNameRowHeaders, rows, rowCount ? *rowCount : rows.size());
}

std::string englishListText(const std::vector<EnglishRow>& rows)
{
    return listText(kEnglishRowHeaders, rows, rows.size());
}

bool needsGb18030(std::string_view utf8)
{
    // GB18030 agrees with GBK on one- and two-byte sequences; a character
    // outside GBK takes four bytes, whose second byte is a digit 0x30-0x39.
    const std::string bytes = toGbk(utf8);
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (i + 1 < bytes.size()) {
            const auto next = static_cast<unsigned char>(bytes[i + 1]);
            if (next >= 0x30 && next <= 0x39) return true;
        }
        i += 2;
    }
    return false;
}

Result<ExportedFile> exportTextTo(const std::filesystem::path& path, const std::string& utf8)
{
    if (const Result<void> written = writeExportFile(path, utf8); !written) return Failure { written.error() };
    return ExportedFile { path, needsGb18030(utf8) };
}

Result<void> writeExportFile(const std::filesystem::path& path, const std::string& utf8)
{
    return writeFileAtomically(path, toGbk(utf8));
}

Result<ExportedFile> exportResultList(
    const std::vector<NameRow>& rows, const std::string& fileName, std::optional<std::size_t> rowCount)
{
    return exportText(fileName, resultListText(rows, rowCount));
}

Result<ExportedFile> exportClassicText(const std::string& text)
{
    return exportText(kClassicExportFile, text);
}

} // namespace jm
