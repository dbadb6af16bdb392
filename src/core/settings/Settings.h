#pragma once

#include "Result.h"
#include "settings/Paths.h"
#include "settings/RecordList.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jm {

/// The section of the settings file that holds the user's inputs.
inline constexpr std::string_view kSettingsSection = "设置";

/// The keys of the settings section, in the order they are written.
enum class SettingsKey {
    Surname, ///< "姓氏": text of the surname box
    Sex, ///< "性别": index of the selected sex, decimal
    NameLength, ///< "名字个数": index of the selected name length, decimal
    CombinationCharacters, ///< "组合的字": characters to combine
    EnglishName, ///< "英文名字": given name on the English page
    ScoringName, ///< "评分名字": given name on the scoring page
    Records, ///< "名字记录": the record list
    ShowAllNames, ///< "显示全部名字": 1 to list every name the rules give, 0 (default) to leave out unsuitable ones
    WindowGeometry, ///< "窗口位置": the main window's normal place and size, "left,top,width,height"
    WindowMaximized, ///< "窗口最大化": 1 when the main window was maximized
    Skin, ///< "皮肤": number of the skin shown
    Mode, ///< "起名模式": caption of the chosen mode option ("诗词起名", ...)
    BirthDate, ///< "出生日期": the naming panel's birth date, "2024-5-17 8:30"
    ChartDate, ///< "八字日期": the chart page's own date, same format
    ChartOwnDate, ///< "八字用自定义日期": 1 when the chart uses its own date rather than the birth date
};
inline constexpr std::array kSettingsKeys = {
    SettingsKey::Surname,
    SettingsKey::Sex,
    SettingsKey::NameLength,
    SettingsKey::CombinationCharacters,
    SettingsKey::EnglishName,
    SettingsKey::ScoringName,
    SettingsKey::Records,
    SettingsKey::ShowAllNames,
    SettingsKey::WindowGeometry,
    SettingsKey::WindowMaximized,
    SettingsKey::Skin,
    SettingsKey::Mode,
    SettingsKey::BirthDate,
    SettingsKey::ChartDate,
    SettingsKey::ChartOwnDate,
};

/// The key text of the settings file ("姓氏", "性别", ...).
std::string_view settingsKeyName(SettingsKey key);

/// The record list in the format of the earlier versions under "名字记录":
/// each record's fields joined by ";" and terminated by "|"; every CR LF is
/// stored as one space. It cannot keep a space, ";" or "|" inside a field;
/// RecordList writes its own format and reads this one.
std::string encodeRecordList(const std::vector<RecordFields>& records);

/// Reverse of `encodeRecordList`: every space becomes CR LF, the text is cut
/// at "|" (a trailing empty piece is dropped, inner empty pieces are empty
/// records) and each piece at ";" into exactly seven fields (missing ones
/// empty, surplus ones dropped). Never fails.
std::vector<RecordFields> decodeRecordList(std::string_view text);

/// The leading decimal number of a stored text, as the profile reader
/// understands numbers: optional blanks and sign, digits, an optional
/// fraction. A text without one counts as 0.
double leadingNumber(std::string_view text);

/// A date and time of day chosen in date boxes, as the settings file keeps
/// it: "2024-5-17 8:30" (year-month-day hour:minute).
struct StoredMoment {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    bool operator==(const StoredMoment&) const = default;
};
/// "year-month-day hour:minute", the minute in two digits ("2024-5-17 8:05").
std::string formatStoredMoment(const StoredMoment& moment);
/// Reverse of `formatStoredMoment` (leading zeros and blanks around the
/// parts are accepted). Nothing when the text is not of that form or a part
/// is out of its range: year 1-9999, month 1-12, day 1-31, hour 0-23,
/// minute 0-59. Whether the day exists in its month is not checked: the
/// date boxes offer 31 days for every month.
std::optional<StoredMoment> parseStoredMoment(std::string_view text);

/// The main window's normal place and size on the desktop, in pixels.
struct StoredGeometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const StoredGeometry&) const = default;
};

/// A parsed INI file: named sections of key=value entries. Section and key
/// names compare case-insensitively for ASCII letters; the first of
/// duplicate sections or keys wins, as with the Windows profile functions.
/// Order is kept, so unknown sections and keys survive a rewrite.
class IniDocument {
public:
    /// Parses UTF-8 text. Lines end at LF, CR LF or a lone CR. Lines that are
    /// neither a section header nor key=value (comments, garbage) are
    /// ignored; so are keys before the first section. Never fails;
    /// `skippedLines` (when given) counts the lines ignored other than blank
    /// and comment lines.
    static IniDocument parse(std::string_view utf8, int* skippedLines = nullptr);

    /// UTF-8 text with CR LF line ends. A value with blanks or quotes at its
    /// ends is written in double quotes so that it reads back whole; line
    /// breaks inside a value are written as spaces.
    std::string serialize() const;

    /// The value, or nothing when the section or key is absent.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    /// Sets the value, appending the section or key when absent.
    void setValue(std::string_view section, std::string_view key, std::string value);
    /// True when the document has no section.
    bool empty() const { return m_sections.empty(); }

private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };
    Section* findSection(std::string_view name);
    const Section* findSection(std::string_view name) const;

    std::vector<Section> m_sections;
};

/// The text of a settings file as read from disk: GBK (GB18030) as written
/// by this program, or UTF-8 with or without a byte-order mark as text
/// editors save it; stray NUL bytes are dropped. `garbled` is set when part
/// of the bytes could not be decoded (they become U+FFFD).
struct DecodedSettingsText {
    std::string utf8;
    bool garbled = false;
};
DecodedSettingsText decodeSettingsBytes(std::string_view bytes);

/// Holds the lock that makes one running program the owner of a settings
/// file: an exclusive flock on the file's name + ".lock". The kernel drops
/// the lock when the process ends, however it ends, so a crash never leaves
/// a stale lock behind. Moving keeps the lock; destruction releases it.
class SettingsLock {
public:
    SettingsLock() = default;
    SettingsLock(SettingsLock&& other) noexcept;
    SettingsLock& operator=(SettingsLock&& other) noexcept;
    SettingsLock(const SettingsLock&) = delete;
    SettingsLock& operator=(const SettingsLock&) = delete;
    ~SettingsLock();

    /// Takes the lock of `settingsFile`, creating its folder and lock file
    /// when missing. Fails only when another process holds it (the message
    /// says so). When the lock file cannot be made at all (a read-only
    /// folder), a lock that holds nothing is returned: such a file cannot be
    /// written by anyone, so there is nothing to protect.
    static Result<SettingsLock> acquire(const std::filesystem::path& settingsFile);

    bool held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

/// The user's inputs carried from one run to the next: section "设置" of
/// the settings file, stored as GBK (GB18030) bytes.
///
/// Values of any length are kept whole. A file is never lost to a save:
/// - a file that exists but cannot be read is never written over (every
///   save then fails and says why);
/// - a file read only in part (undecodable bytes, lines that are not INI)
///   is copied beside itself as file + ".bak" (".bak1", ".bak2", ... when
///   taken) before the first save replaces it;
/// - `lock` makes one program at a time the owner of the file; a settings
///   object that lost the race never saves.
/// The file is rewritten whole and atomically; other sections and keys of
/// the file are kept. Not thread-safe; used on the window thread.
class Settings {
public:
    explicit Settings(std::filesystem::path file = configPath());

    const std::filesystem::path& file() const { return m_file; }

    /// Takes the file's lock (see SettingsLock). On failure this object
    /// keeps working but never saves; the message is for the user.
    Result<void> lock();

    /// Reads the file. A missing file is a success with every key empty.
    /// Fails with a message for the user when the file exists but cannot be
    /// read (every key is then empty and saves are refused) or can be read
    /// only in part (the readable keys are kept; the first save backs the
    /// file up).
    Result<void> load();
    /// Writes the file with the current values, creating its folder when
    /// missing. Fails, leaving the previous file untouched, when it cannot be
    /// written, when the file was unreadable at load, when the lock was lost,
    /// or when the backup of a partly read file cannot be made.
    Result<void> save();

    /// The backup made of a partly read file, once made.
    const std::optional<std::filesystem::path>& backupFile() const { return m_backup; }

    /// Stored text of a key; empty when absent.
    std::string text(SettingsKey key) const;
    void setText(SettingsKey key, std::string value);

    std::string surname() const { return text(SettingsKey::Surname); }
    void setSurname(std::string value) { setText(SettingsKey::Surname, std::move(value)); }
    /// 0 (男) when the stored number is 0, 1 (女) for any other number.
    int sexIndex() const;
    void setSexIndex(int index);
    /// 1 (二字) when the stored number is 1, 0 (一字) otherwise.
    int nameLengthIndex() const;
    void setNameLengthIndex(int index);
    std::string combinationCharacters() const { return text(SettingsKey::CombinationCharacters); }
    void setCombinationCharacters(std::string value) { setText(SettingsKey::CombinationCharacters, std::move(value)); }
    std::string englishName() const { return text(SettingsKey::EnglishName); }
    void setEnglishName(std::string value) { setText(SettingsKey::EnglishName, std::move(value)); }
    std::string scoringName() const { return text(SettingsKey::ScoringName); }
    /// 显示全部名字: off unless the file says 1.
    bool showAllNames() const { return text(SettingsKey::ShowAllNames) == "1"; }
    void setShowAllNames(bool on) { setText(SettingsKey::ShowAllNames, on ? "1" : "0"); }
    void setScoringName(std::string value) { setText(SettingsKey::ScoringName, std::move(value)); }
    /// The main window's place and size: nothing when absent, malformed or
    /// of a width or height outside 1-100000.
    std::optional<StoredGeometry> windowGeometry() const;
    void setWindowGeometry(const StoredGeometry& geometry);
    bool windowMaximized() const { return text(SettingsKey::WindowMaximized) == "1"; }
    void setWindowMaximized(bool on) { setText(SettingsKey::WindowMaximized, on ? "1" : "0"); }
    /// The skin number; 0 when absent or not a positive whole number.
    int skin() const;
    void setSkin(int number);
    /// Caption of the chosen mode option; empty when absent.
    std::string mode() const { return text(SettingsKey::Mode); }
    void setMode(std::string caption) { setText(SettingsKey::Mode, std::move(caption)); }
    /// The naming panel's birth date; nothing when absent or malformed.
    std::optional<StoredMoment> birthDate() const { return parseStoredMoment(text(SettingsKey::BirthDate)); }
    void setBirthDate(const StoredMoment& m) { setText(SettingsKey::BirthDate, formatStoredMoment(m)); }
    /// The chart page's own date; nothing when absent or malformed.
    std::optional<StoredMoment> chartDate() const { return parseStoredMoment(text(SettingsKey::ChartDate)); }
    void setChartDate(const StoredMoment& m) { setText(SettingsKey::ChartDate, formatStoredMoment(m)); }
    /// Whether the chart uses its own date (单选框_自定义日期); off unless the file says 1.
    bool chartUsesOwnDate() const { return text(SettingsKey::ChartOwnDate) == "1"; }
    void setChartUsesOwnDate(bool on) { setText(SettingsKey::ChartOwnDate, on ? "1" : "0"); }

    /// The stored record list, in either format (see RecordList::decode).
    std::vector<RecordFields> records() const;
    /// Stores the record list in RecordList's format.
    void setRecords(const std::vector<RecordFields>& records);

    /// Stores the record list and writes the file at once, so a changed
    /// record list survives a crash.
    Result<void> saveRecords(const std::vector<RecordFields>& records);

private:
    Result<void> backUpPartlyReadFile();

    std::filesystem::path m_file;
    IniDocument m_document;
    SettingsLock m_lock;
    /// Why saves are refused (an unreadable file, a lost lock); empty when they are not.
    std::string m_saveBlocked;
    /// The bytes of a partly read file, kept until they are backed up.
    std::optional<std::string> m_unparsedBytes;
    std::optional<std::filesystem::path> m_backup;
};

} // namespace jm
