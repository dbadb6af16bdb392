#include "settings/Settings.h"

#include "text/Text.h"

#include <cerrno>
#include <cmath>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

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

// The whole numbers of `text` separated by `separators` (one separator
// character between two numbers, blanks around each number); nothing unless
// exactly `count` numbers of at most six digits, with an optional minus
// sign, are found.
std::optional<std::vector<int>> wholeNumbers(std::string_view text, std::string_view separators, std::size_t count)
{
    std::vector<int> out;
    for (;;) {
        const std::size_t end = text.find_first_of(separators);
        std::string_view part = trimmed(text.substr(0, end));
        const bool negative = part.starts_with('-');
        if (negative) part.remove_prefix(1);
        if (part.empty() || part.size() > 6) return std::nullopt;
        int value = 0;
        for (const char c : part) {
            if (c < '0' || c > '9') return std::nullopt;
            value = value * 10 + (c - '0');
        }
        out.push_back(negative ? -value : value);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    if (out.size() != count) return std::nullopt;
    return out;
}

} // namespace

std::string formatStoredMoment(const StoredMoment& m)
{
    return decimal(m.year) + '-' + decimal(m.month) + '-' + decimal(m.day) + ' ' + decimal(m.hour) + ':'
        + (m.minute < 10 ? "0" : "") + decimal(m.minute);
}

std::optional<StoredMoment> parseStoredMoment(std::string_view text)
{
    text = trimmed(text);
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos) return std::nullopt;
    const auto date = wholeNumbers(text.substr(0, blank), "-", 3);
    const auto time = wholeNumbers(text.substr(blank + 1), ":", 2);
    if (!date || !time) return std::nullopt;
    const StoredMoment m { (*date)[0], (*date)[1], (*date)[2], (*time)[0], (*time)[1] };
    const bool inRange = m.year >= 1 && m.year <= 9999 && m.month >= 1 && m.month <= 12 && m.day >= 1 && m.day <= 31
        && m.hour >= 0 && m.hour <= 23 && m.minute >= 0 && m.minute <= 59;
    if (!inRange) return std::nullopt;
    return m;
}

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
    case SettingsKey::WindowGeometry:
        return "窗口位置";
    case SettingsKey::WindowMaximized:
        return "窗口最大化";
    case SettingsKey::Skin:
        return "皮肤";
    case SettingsKey::Mode:
        return "起名模式";
    case SettingsKey::BirthDate:
        return "出生日期";
    case SettingsKey::ChartDate:
        return "八字日期";
    case SettingsKey::ChartOwnDate:
        return "八字用自定义日期";
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

IniDocument IniDocument::parse(std::string_view text, int* skippedLines)
{
    IniDocument doc;
    int skipped = 0;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    Section* current = nullptr;
    while (!text.empty()) {
        // A line ends at LF, CR LF or a lone CR (old Mac editors).
        const std::size_t end = text.find_first_of("\r\n");
        std::string_view line = text.substr(0, end);
        std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end != std::string_view::npos && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++next;
        text.remove_prefix(next);
        line = trimmed(line);
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
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
        if (!current || eq == std::string_view::npos) {
            ++skipped;
            continue;
        }
        const std::string_view key = trimmed(line.substr(0, eq));
        bool known = false;
        for (const Entry& e : current->entries)
            if (sameName(e.key, key)) known = true;
        if (!known)
            current->entries.push_back({ std::string(key), std::string(unquoted(trimmed(line.substr(eq + 1)))) });
    }
    if (skippedLines) *skippedLines = skipped;
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

DecodedSettingsText decodeSettingsBytes(std::string_view bytes)
{
    std::string clean;
    clean.reserve(bytes.size());
    for (const char c : bytes)
        if (c != '\0') clean += c;
    std::string_view text = clean;
    DecodedSettingsText out;
    const bool bom = text.starts_with("\xEF\xBB\xBF");
    if (bom) text.remove_prefix(3);
    // This program writes GBK. A file that is valid UTF-8 with non-ASCII text
    // was saved by an editor: GBK Chinese text is almost never valid UTF-8.
    if (bom || isValidUtf8(text)) {
        out.utf8 = std::string(text);
        if (!isValidUtf8(text)) {
            out.utf8.clear();
            for (const std::string& ch : splitCharacters(text))
                out.utf8 += isValidUtf8(ch) ? ch : "\xEF\xBF\xBD";
            out.garbled = true;
        }
        return out;
    }
    out.utf8 = fromGbk(text);
    out.garbled = out.utf8.find("\xEF\xBF\xBD") != std::string::npos;
    return out;
}

SettingsLock::SettingsLock(SettingsLock&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1))
{
}

SettingsLock& SettingsLock::operator=(SettingsLock&& other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

SettingsLock::~SettingsLock()
{
    if (m_fd >= 0) ::close(m_fd);
}

Result<SettingsLock> SettingsLock::acquire(const std::filesystem::path& settingsFile)
{
    std::error_code ec;
    if (settingsFile.has_parent_path()) std::filesystem::create_directories(settingsFile.parent_path(), ec);
    const std::string lockName = settingsFile.string() + ".lock";
    SettingsLock lock;
    lock.m_fd = ::open(lockName.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (lock.m_fd < 0) return lock;
    if (::flock(lock.m_fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(std::exchange(lock.m_fd, -1));
        if (error != EWOULDBLOCK) return lock;
        return Failure { "另一个嘉名窗口正在使用设置文件 " + displayPath(settingsFile)
            + "。为了不互相覆盖名字记录，这个窗口不会保存设置和名字记录；请关闭其中一个窗口后再打开。" };
    }
    return lock;
}

Settings::Settings(std::filesystem::path file)
    : m_file(std::move(file))
{
}

Result<void> Settings::lock()
{
    Result<SettingsLock> lock = SettingsLock::acquire(m_file);
    if (!lock) {
        m_saveBlocked = lock.error();
        return Failure { lock.error() };
    }
    m_lock = std::move(*lock);
    return success();
}

Result<void> Settings::load()
{
    removeStaleTemporaryFiles(m_file);
    m_document = IniDocument();
    m_unparsedBytes.reset();
    const Result<std::optional<std::string>> bytes = readExistingFile(m_file);
    if (!bytes) {
        // Saving would replace a file we could not read, and with it the records.
        if (m_saveBlocked.empty()) m_saveBlocked = bytes.error() + "。为了不覆盖它，本次运行的设置和名字记录不会保存。";
        return Failure { bytes.error() + "。本次运行不会改写这个文件，设置和名字记录也不会保存；请检查它的权限。" };
    }
    if (!*bytes) return success();
    const DecodedSettingsText text = decodeSettingsBytes(**bytes);
    int skipped = 0;
    m_document = IniDocument::parse(text.utf8, &skipped);
    if (!text.garbled && skipped == 0) return success();
    m_unparsedBytes = **bytes;
    return Failure { "设置文件 " + displayPath(m_file) + " 有无法识别的内容，已读取能识别的部分。"
        + "下次保存前，原文件会先备份到它旁边（" + displayPath(m_file.filename()) + ".bak）。" };
}

Result<void> Settings::backUpPartlyReadFile()
{
    if (!m_unparsedBytes) return success();
    std::filesystem::path backup = m_file;
    backup += ".bak";
    std::error_code ec;
    for (int n = 1; std::filesystem::symlink_status(backup, ec).type() != std::filesystem::file_type::not_found; ++n) {
        backup = m_file;
        backup += ".bak" + std::to_string(n);
    }
    if (const Result<void> written = writeFileAtomically(backup, *m_unparsedBytes); !written)
        return Failure { "无法备份设置文件，所以没有改写它：" + written.error() };
    m_backup = backup;
    m_unparsedBytes.reset();
    return success();
}

Result<void> Settings::save()
{
    if (!m_saveBlocked.empty()) return Failure { m_saveBlocked };
    if (const Result<void> backedUp = backUpPartlyReadFile(); !backedUp) return backedUp;
    std::error_code ec;
    if (m_file.has_parent_path()) std::filesystem::create_directories(m_file.parent_path(), ec);
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

std::optional<StoredGeometry> Settings::windowGeometry() const
{
    const auto numbers = wholeNumbers(text(SettingsKey::WindowGeometry), ",", 4);
    if (!numbers) return std::nullopt;
    const StoredGeometry g { (*numbers)[0], (*numbers)[1], (*numbers)[2], (*numbers)[3] };
    constexpr int kLargest = 100000;
    if (g.width < 1 || g.height < 1 || g.width > kLargest || g.height > kLargest) return std::nullopt;
    return g;
}

void Settings::setWindowGeometry(const StoredGeometry& g)
{
    setText(SettingsKey::WindowGeometry,
        decimal(g.left) + ',' + decimal(g.top) + ',' + decimal(g.width) + ',' + decimal(g.height));
}

int Settings::skin() const
{
    const auto number = wholeNumbers(text(SettingsKey::Skin), ",", 1);
    return number && (*number)[0] > 0 ? (*number)[0] : 0;
}

void Settings::setSkin(int number)
{
    setText(SettingsKey::Skin, decimal(number));
}

std::vector<RecordFields> Settings::records() const
{
    return RecordList::decode(text(SettingsKey::Records)).records();
}

void Settings::setRecords(const std::vector<RecordFields>& records)
{
    setText(SettingsKey::Records, RecordList(records).encode());
}

Result<void> Settings::saveRecords(const std::vector<RecordFields>& records)
{
    setRecords(records);
    return save();
}

} // namespace jm
