// jiaming-cli generate --mode english --given NAME --style 男性化|女性化|中性化
// [--min-length N] [--max-length N]: English names that sound like the first
// character of the Chinese given name, of N letters at least / at most. The
// family name is --surname; --sex and --length are not used.
#include "cli/GenerateModes.h"
#include "generate/EnglishRow.h"

#include <charconv>
#include <ostream>
#include <utility>

namespace jm::cli {
namespace {

std::string configureEnglish(const Arguments& args, GenerationRequest& request)
{
    if (!args.has("given")) return "missing --given";
    const std::string style = args.value("style").value_or("男性化");
    if (style == "男性化" || style == "1")
        request.english.style = 1;
    else if (style == "女性化" || style == "2")
        request.english.style = 2;
    else if (style == "中性化" || style == "3")
        request.english.style = 3;
    else
        return "--style must be 男性化, 女性化 or 中性化";
    for (const auto& [option, bound] : { std::pair { "min-length", &request.english.minLength },
             std::pair { "max-length", &request.english.maxLength } }) {
        const auto text = args.value(option);
        if (!text) continue;
        int value = 0;
        const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
        if (error != std::errc() || end != text->data() + text->size() || value < 1 || value > 99)
            return std::string("--") + option + " must be a number of letters from 1 to 99";
        *bound = value;
    }
    request.english.surname = request.surname;
    request.english.givenName = args.value("given").value_or("");
    return {};
}

void printEnglish(const GenerationResult& result, bool json, std::ostream& out)
{
    if (json) {
        out << "{\"surname\":" << jsonString(result.request.english.surname)
            << ",\"given\":" << jsonString(result.request.english.givenName)
            << ",\"style\":" << result.request.english.style << ",\"mode\":\"english\",\"rows\":[";
        for (std::size_t i = 0; i < result.englishRows.size(); ++i) {
            out << (i ? "," : "") << "{";
            for (std::size_t c = 0; c < kEnglishRowHeaders.size(); ++c)
                out << (c ? "," : "") << jsonString(std::string(kEnglishRowHeaders[c])) << ":"
                    << jsonString(result.englishRows[i].columns[c]);
            out << "}";
        }
        out << "]}\n";
        return;
    }
    for (std::size_t c = 0; c < kEnglishRowHeaders.size(); ++c)
        out << (c ? "\t" : "") << kEnglishRowHeaders[c];
    out << "\n";
    for (const EnglishRow& row : result.englishRows) {
        for (std::size_t c = 0; c < row.columns.size(); ++c)
            out << (c ? "\t" : "") << row.columns[c];
        out << "\n";
    }
}

const GenerateModeRegistrar kEnglish("english",
    { GenerationMode::English, "--given NAME [--style 男性化|女性化|中性化] [--min-length N] [--max-length N]", {},
        configureEnglish, nullptr, false, printEnglish });

} // namespace
} // namespace jm::cli
