#include "settings/Settings.h"

#include "text/Text.h"

#include <cmath>

namespace jm {
namespace {

constexpr double kNumberTolerance = 1e-7;

bool isBlankByte(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isBlankByte(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlankByte(s.back()))
        s.remove_suffix(1);
    return s;
}

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i])) return false;
    return true;
}

// The profile reader drops one pair of matching quotes around a value.
std::string_view unquoted(std::string_view v)
{
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

std::string writtenValue(const std::string& value)
{
    std::string v = value;
    for (char& c : v)
        if (c == '\r' || c == '\n') c = ' ';
    const bool needsQuotes
        = !v.empty() && (isBlankByte(v.front()) || isBlankByte(v.back()) || v.front() == '"' || v.front() == '\'');
    return needsQuotes ? "\"" + v + "\"" : v;
}

} // namespace

std::string_view settingsKeyName(SettingsKey key)
{
    switch (key) {
    case SettingsKey::Surname:
        return "姓氏";
    case SettingsKey::Sex:
        return "性别";
    case SettingsKey::NameLength:
        return "名字个数";
    case SettingsKey::CombinationCharacters:
        return "组合的字";
    case SettingsKey::EnglishName:
        return "英文名字";
    case SettingsKey::ScoringName:
        return "评分名字";
    case SettingsKey::Records:
        return "名字记录";
    case SettingsKey::ShowAllNames:
        return "显示全部名字";
    }
    return {};
}

std::string encodeRecordList(const std::vector<RecordFields>& records)
{
    std::string out;
    for (const RecordFields& r : records) {
        std::string name = r[0];
        replaceAll(name, "\r\n", " ");
        out += name;
        for (std::size_t i = 1; i < r.size(); ++i) {
            out += ';';
            out += r[i];
        }
        out += '|';
    }
    return out;
}

std::vector<RecordFields> decodeRecordList(std::string_view stored)
{
    std::string text(stored);
    replaceAll(text, " ", "\r\n");
    std::vector<std::string_view> pieces;
    std::string_view rest = text;
    for (;;) {
        const std::size_t bar = rest.find('|');
        if (bar == std::string_view::npos) {
            pieces.push_back(rest);
            break;
        }
        pieces.push_back(rest.substr(0, bar));
        rest.remove_prefix(bar + 1);
    }
    if (!pieces.empty() && pieces.back().empty()) pieces.pop_back();

    std::vector<RecordFields> records;
    records.reserve(pieces.size());
    for (std::string_view piece : pieces) {
        RecordFields fields;
        std::size_t i = 0;
        for (;;) {
            const std::size_t semi = piece.find(';');
            fields[i] = std::string(piece.substr(0, semi));
            if (semi == std::string_view::npos || ++i == fields.size()) break;
            piece.remove_prefix(semi + 1);
        }
        records.push_back(std::move(fields));
    }
    return records;
}

double leadingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlankByte(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    double value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        value = value * 10 + (text[i++] - '0');
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, scale /= 10)
            value += (text[i] - '0') * scale;
    }
    return negative ? -value : value;
}

IniDocument IniDocument::parse(std::string_view text)
{
    IniDocument doc;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    Section* current = nullptr;
    while (!text.empty()) {
        const std::size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        line = trimmed(line);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            const std::string_view name
                = trimmed(line.substr(1, close == std::string_view::npos ? line.size() : close - 1));
            current = doc.findSection(name);
            if (!current) {
                doc.m_sections.push_back({ std::string(name), {} });
                current = &doc.m_sections.back();
            }
            continue;
        }
        const std::size_t eq = line.find('=');
        if (!current || eq == std::string_view::npos) continue;
        const std::string_view key = trimmed(line.substr(0, eq));
        bool known = false;
        for (const Entry& e : current->entries)
            if (sameName(e.key, key)) known = true;
        if (!known)
            current->entries.push_back({ std::string(key), std::string(unquoted(trimmed(line.substr(eq + 1)))) });
    }
    return doc;
}

std::string IniDocument::serialize() const
{
    std::string out;
    for (const Section& s : m_sections) {
        out += '[' + s.name + "]\r\n";
        for (const Entry& e : s.entries)
            out += e.key + '=' + writtenValue(e.value) + "\r\n";
    }
    return out;
}

IniDocument::Section* IniDocument::findSection(std::string_view name)
{
    for (Section& s : m_sections)
        if (sameName(s.name, name)) return &s;
    return nullptr;
}

const IniDocument::Section* IniDocument::findSection(std::string_view name) const
{
    for (const Section& s : m_sections)
        if (sameName(s.name, name)) return &s;
    return nullptr;
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const
{
    if (const Section* s = findSection(section))
        for (const Entry& e : s->entries)
            if (sameName(e.key, key)) return e.value;
    return std::nullopt;
}

void IniDocument::setValue(std::string_view section, std::string_view key, std::string value)
{
    Section* s = findSection(section);
    if (!s) {
        m_sections.push_back({ std::string(section), {} });
        s = &m_sections.back();
    }
    for (Entry& e : s->entries) {
        if (sameName(e.key, key)) {
            e.value = std::move(value);
            return;
        }
    }
    s->entries.push_back({ std::string(key), std::move(value) });
}

Settings::Settings(std::filesystem::path file)
    : m_file(std::move(file))
{
}

bool Settings::load()
{
    removeStaleTemporaryFiles(m_file);
    const std::optional<std::string> bytes = readFileBytes(m_file);
    m_document = bytes ? IniDocument::parse(fromGbk(*bytes)) : IniDocument();
    return bytes.has_value();
}

bool Settings::save() const
{
    return writeFileAtomically(m_file, toGbk(m_document.serialize()));
}

std::string Settings::text(SettingsKey key) const
{
    return m_document.value(kSettingsSection, settingsKeyName(key)).value_or(std::string());
}

void Settings::setText(SettingsKey key, std::string value)
{
    m_document.setValue(kSettingsSection, settingsKeyName(key), std::move(value));
}

int Settings::sexIndex() const
{
    return std::fabs(leadingNumber(text(SettingsKey::Sex))) < kNumberTolerance ? 0 : 1;
}

void Settings::setSexIndex(int index)
{
    setText(SettingsKey::Sex, decimal(index));
}

int Settings::nameLengthIndex() const
{
    return std::fabs(leadingNumber(text(SettingsKey::NameLength)) - 1) < kNumberTolerance ? 1 : 0;
}

void Settings::setNameLengthIndex(int index)
{
    setText(SettingsKey::NameLength, decimal(index));
}

bool Settings::saveRecords(const std::vector<RecordFields>& records)
{
    setRecords(records);
    return save();
}

} // namespace jm
