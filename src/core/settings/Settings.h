#pragma once

#include "settings/Paths.h"

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
};

/// The key text of the settings file ("姓氏", "性别", ...).
std::string_view settingsKeyName(SettingsKey key);

/// Columns 1 to 7 of one saved record: 姓名, 简体笔划, 繁体笔划, 五行, 五格,
/// 三才, 评分. The 姓名 cell holds surname + "\r\n" + given name; 编号 is
/// not stored (rows are numbered from 1 when restored).
using RecordFields = std::array<std::string, 7>;

/// The record list as stored under "名字记录": each record's fields joined
/// by ";" and terminated by "|"; every CR LF is stored as one space.
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

/// A parsed INI file: named sections of key=value entries. Section and key
/// names compare case-insensitively for ASCII letters; the first of
/// duplicate sections or keys wins, as with the Windows profile functions.
/// Order is kept, so unknown sections and keys survive a rewrite.
class IniDocument {
public:
    /// Parses UTF-8 text. Lines that are neither a section header nor
    /// key=value (comments, garbage) are ignored; so are keys before the
    /// first section. Never fails.
    static IniDocument parse(std::string_view utf8);

    /// UTF-8 text with CR LF line ends. A value with blanks or quotes at its
    /// ends is written in double quotes so that it reads back whole; line
    /// breaks inside a value are written as spaces.
    std::string serialize() const;

    /// The value, or nothing when the section or key is absent.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    /// Sets the value, appending the section or key when absent.
    void setValue(std::string_view section, std::string_view key, std::string value);

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

/// The user's inputs carried from one run to the next: section "设置" of
/// the settings file, stored as GBK (GB18030) bytes.
///
/// Values of any length are kept whole. Reading never fails: a missing,
/// unreadable or garbled file gives empty texts for the keys it lacks. The
/// file is rewritten whole and atomically; other sections and keys of the
/// file are kept. Not thread-safe; used on the window thread.
class Settings {
public:
    explicit Settings(std::filesystem::path file = configPath());

    const std::filesystem::path& file() const { return m_file; }

    /// Reads the file. False when it cannot be read (every key is then empty).
    bool load();
    /// Writes the file with the current values. False when it cannot be
    /// written; the previous file is then untouched.
    bool save() const;

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
    std::vector<RecordFields> records() const { return decodeRecordList(text(SettingsKey::Records)); }
    void setRecords(const std::vector<RecordFields>& records)
    {
        setText(SettingsKey::Records, encodeRecordList(records));
    }

    /// Stores the record list and writes the file at once, so a changed
    /// record list survives a crash. False when the file cannot be written.
    bool saveRecords(const std::vector<RecordFields>& records);

private:
    std::filesystem::path m_file;
    IniDocument m_document;
};

} // namespace jm
