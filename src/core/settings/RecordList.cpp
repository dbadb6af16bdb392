#include "settings/RecordList.h"

#include "settings/Settings.h"

namespace jm {
namespace {

constexpr std::string_view kMarker = "v2|";

bool needsEscape(unsigned char c)
{
    return c <= 0x20 || c == 0x7F || c == '%' || c == ';' || c == '|' || c == '"' || c == '\'';
}

void appendEscaped(std::string& out, std::string_view field)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (const char ch : field) {
        const auto c = static_cast<unsigned char>(ch);
        if (needsEscape(c)) {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += ch;
        }
    }
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::string unescaped(std::string_view field)
{
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '%' && i + 2 < field.size() && hexValue(field[i + 1]) >= 0 && hexValue(field[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(field[i + 1]) * 16 + hexValue(field[i + 2]));
            i += 2;
        } else {
            out += field[i];
        }
    }
    return out;
}

} // namespace

std::string RecordList::nameCell(std::string_view surname, std::string_view givenName)
{
    std::string cell(surname);
    cell += "\r\n";
    cell += givenName;
    return cell;
}

std::string RecordList::numberOf(std::size_t index)
{
    return std::to_string(index + 1);
}

long RecordList::find(std::string_view name) const
{
    for (std::size_t i = 0; i < m_records.size(); ++i)
        if (m_records[i][0] == name) return static_cast<long>(i);
    return -1;
}

bool RecordList::add(RecordFields record)
{
    if (find(record[0]) >= 0) return false;
    m_records.push_back(std::move(record));
    return true;
}

bool RecordList::remove(std::size_t index)
{
    if (index >= m_records.size() || m_records[index][0].empty()) return false;
    m_records.erase(m_records.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

std::string RecordList::encode() const
{
    // No records: the empty text, as every version wrote it.
    if (m_records.empty()) return {};
    std::string out(kMarker);
    for (const RecordFields& record : m_records) {
        for (const std::string& field : record) {
            appendEscaped(out, field);
            out += ';';
        }
        out += '|';
    }
    return out;
}

RecordList RecordList::decode(std::string_view stored)
{
    if (!stored.starts_with(kMarker)) return RecordList(decodeRecordList(stored));
    stored.remove_prefix(kMarker.size());
    std::vector<RecordFields> records;
    while (!stored.empty()) {
        const std::size_t bar = stored.find('|');
        std::string_view piece = stored.substr(0, bar);
        stored.remove_prefix(bar == std::string_view::npos ? stored.size() : bar + 1);
        RecordFields fields;
        for (std::string& field : fields) {
            const std::size_t semi = piece.find(';');
            field = unescaped(piece.substr(0, semi));
            piece.remove_prefix(semi == std::string_view::npos ? piece.size() : semi + 1);
        }
        records.push_back(std::move(fields));
    }
    return RecordList(std::move(records));
}

} // namespace jm
