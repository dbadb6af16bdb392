#include "text/Text.h"

#include <unicode/ucnv.h>

#include <memory>

namespace jm {
namespace {

// Length of the UTF-8 sequence starting at text[i]; 1 for a malformed byte.
std::size_t sequenceLength(std::string_view text, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t len = 1;
    if (lead >= 0xF0 && lead <= 0xF4)
        len = 4;
    else if (lead >= 0xE0)
        len = lead <= 0xEF ? 3 : 1;
    else if (lead >= 0xC2)
        len = 2;
    if (i + len > text.size()) return 1;
    for (std::size_t k = 1; k < len; ++k) {
        const auto c = static_cast<unsigned char>(text[i + k]);
        if ((c & 0xC0) != 0x80) return 1;
    }
    return len;
}

struct ConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

// ICU converters are not thread-safe: each thread keeps its own pair.
UConverter* threadConverter(const char* name)
{
    thread_local ConverterPtr gb;
    thread_local ConverterPtr utf8;
    ConverterPtr& slot = std::string_view(name) == "UTF-8" ? utf8 : gb;
    if (!slot) {
        UErrorCode status = U_ZERO_ERROR;
        slot.reset(ucnv_open(name, &status));
        if (U_FAILURE(status)) slot.reset();
    }
    return slot.get();
}

std::string convert(std::string_view input, bool toGbkDirection)
{
    if (input.empty()) return {};
    UConverter* gb = threadConverter("GB18030");
    UConverter* utf8 = threadConverter("UTF-8");
    if (!gb || !utf8) return std::string(input);
    ucnv_reset(gb);
    ucnv_reset(utf8);
    UConverter* target = toGbkDirection ? gb : utf8;
    UConverter* source = toGbkDirection ? utf8 : gb;
    std::string out(input.size() * 4 + 16, '\0');
    char* dst = out.data();
    const char* src = input.data();
    UErrorCode status = U_ZERO_ERROR;
    ucnv_convertEx(target, source, &dst, out.data() + out.size(), &src, input.data() + input.size(), nullptr, nullptr,
        nullptr, nullptr, true, true, &status);
    if (U_FAILURE(status)) return {};
    out.resize(static_cast<std::size_t>(dst - out.data()));
    return out;
}

constexpr std::string_view kFullWidthSpace = "\xE3\x80\x80";

} // namespace

std::vector<std::string> splitCharacters(std::string_view text)
{
    std::vector<std::string> out;
    if (isBlank(text)) return out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t len = sequenceLength(text, i);
        out.emplace_back(text.substr(i, len));
        i += len;
    }
    return out;
}

std::size_t characterCount(std::string_view text)
{
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size(); i += sequenceLength(text, i))
        ++n;
    return n;
}

bool isBlank(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        if (text.substr(i, kFullWidthSpace.size()) == kFullWidthSpace) {
            i += kFullWidthSpace.size();
            continue;
        }
        return false;
    }
    return true;
}

std::string toGbk(std::string_view utf8)
{
    return convert(utf8, true);
}

std::string fromGbk(std::string_view gbk)
{
    return convert(gbk, false);
}

std::string htmlEscape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

void replaceAll(std::string& text, std::string_view from, std::string_view to)
{
    if (from.empty()) return;
    std::size_t pos = 0;
    while ((pos = text.find(from, pos)) != std::string::npos) {
        text.replace(pos, from.size(), to);
        pos += to.size();
    }
}

std::string decimal(long long value)
{
    return std::to_string(value);
}

} // namespace jm
