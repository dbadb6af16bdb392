#include "generate/ResultExport.h"

#include "settings/Paths.h"
#include "text/Text.h"

namespace jm {

namespace {

constexpr const char* kCellSeparator = "    ";
constexpr const char* kLineEnd = "\r\n";

ExportResult exportText(const std::string& fileName, const std::string& utf8)
{
    const auto directory = ensureDataDirectory();
    ExportResult result;
    result.path = (directory ? *directory : dataDirectory()) / fileName;
    if (!directory) {
        result.error = "无法创建或写入数据目录 " + displayPath(dataDirectory());
        return result;
    }
    const Result<void> written = writeExportFile(result.path, utf8);
    result.written = written.ok();
    result.error = written.error();
    return result;
}

} // namespace

std::string resultListText(const std::vector<NameRow>& rows, std::optional<std::size_t> rowCount)
{
    std::string text;
    for (std::size_t c = 0; c < kNameRowHeaders.size(); ++c) {
        if (c) text += kCellSeparator;
        text += kNameRowHeaders[c];
    }
    text += kLineEnd;
    const NameRow empty;
    const std::size_t count = rowCount ? *rowCount : rows.size();
    for (std::size_t r = 0; r < count; ++r) {
        const NameRow& row = r < rows.size() ? rows[r] : empty;
        for (std::size_t c = 0; c < row.columns.size(); ++c) {
            if (c) text += kCellSeparator;
            text += row.columns[c];
        }
        text += kLineEnd;
        // The first unfilled row of a list still being filled ends the export.
        if (row[NameRow::Number].empty()) break;
    }
    return text;
}

Result<void> writeExportFile(const std::filesystem::path& path, const std::string& utf8)
{
    return writeFileAtomically(path, toGbk(utf8));
}

ExportResult exportResultList(
    const std::vector<NameRow>& rows, const std::string& fileName, std::optional<std::size_t> rowCount)
{
    return exportText(fileName, resultListText(rows, rowCount));
}

ExportResult exportClassicText(const std::string& text)
{
    return exportText(kClassicExportFile, text);
}

} // namespace jm
