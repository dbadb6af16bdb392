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

namespace {

// Length of the well-formed UTF-8 sequence at text[i], or 0 when malformed.
std::size_t strictSequenceLength(std::string_view text, std::size_t i)
{
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    const unsigned char lead = at(0);
    if (lead < 0x80) return 1;
    std::size_t len = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        len = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        len = 3;
        if (lead == 0xE0) low = 0xA0; // overlong
        if (lead == 0xED) high = 0x9F; // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        len = 4;
        if (lead == 0xF0) low = 0x90; // overlong
        if (lead == 0xF4) high = 0x8F; // past U+10FFFF
    } else {
        return 0;
    }
    if (i + len > text.size()) return 0;
    if (at(1) < low || at(1) > high) return 0;
    for (std::size_t k = 2; k < len; ++k)
        if ((at(k) & 0xC0) != 0x80) return 0;
    return len;
}

} // namespace

bool isValidUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t len = strictSequenceLength(text, i);
        if (len == 0) return false;
        i += len;
    }
    return true;
}

std::string printable(std::string_view text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t len = strictSequenceLength(text, i);
        const auto byte = static_cast<unsigned char>(text[i]);
        if (len == 0) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
            ++i;
            continue;
        }
        unsigned code = byte;
        if (len == 2) code = ((byte & 0x1Fu) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3Fu);
        if (code < 0x20 || code == 0x7F || (len == 2 && code >= 0x80 && code <= 0x9F)) {
            out += "\\u{";
            out += kHex[(code >> 4) & 15];
            out += kHex[code & 15];
            out += '}';
        } else {
            out.append(text.substr(i, len));
        }
        i += len;
    }
    return out;
}

std::string_view trimSpaces(std::string_view text)
{
    const auto blankAt = [&](std::size_t i) -> std::size_t {
        const char c = text[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f') return 1;
        if (text.substr(i, kFullWidthSpace.size()) == kFullWidthSpace) return kFullWidthSpace.size();
        return 0;
    };
    while (!text.empty()) {
        const std::size_t n = blankAt(0);
        if (n == 0) break;
        text.remove_prefix(n);
    }
    while (!text.empty()) {
        const char c = text.back();
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f') {
            text.remove_suffix(1);
        } else if (text.size() >= kFullWidthSpace.size()
            && text.substr(text.size() - kFullWidthSpace.size()) == kFullWidthSpace) {
            text.remove_suffix(kFullWidthSpace.size());
        } else {
            break;
        }
    }
    return text;
}

std::string decimal(long long value)
{
    return std::to_string(value);
}

} // namespace jm
