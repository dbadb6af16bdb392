#include "generate/EnglishMode.h"

#include "data/CharacterRepository.h"
#include "data/EnglishNameRepository.h"
#include "generate/GenerationModes.h"
#include "generate/GenerationRun.h"
#include "text/Text.h"

#include <utility>

namespace jm {

namespace {

std::string asciiLower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

/// A pinyin letter without its tone mark (ā → a); other texts unchanged.
/// The shipped table stores plain letters; a table with marks reads the same.
std::string withoutTone(const std::string& letter)
{
    static constexpr std::pair<std::string_view, std::string_view> kGroups[] = {
        { "a", "āáǎà" },
        { "e", "ēéěè" },
        { "i", "īíǐì" },
        { "o", "ōóǒò" },
        { "u", "ūúǔùǖǘǚǜü" },
    };
    for (const auto& [plain, marked] : kGroups)
        for (const std::string& m : splitCharacters(marked))
            if (letter == m) return std::string(plain);
    return letter;
}

/// Rows handed to the sink at a time.
constexpr std::size_t kEnglishBatch = 256;

} // namespace

std::string pinyinInitial(NameDatabase& db, const std::string& character)
{
    const std::optional<CharacterRecord> record = CharacterRepository(db).find(character);
    if (!record) return {};
    std::string initial = asciiLower(record->initial);
    if (initial.empty()) {
        const auto pinyin = splitCharacters(record->pinyin1);
        if (!pinyin.empty()) initial = asciiLower(withoutTone(pinyin.front()));
    }
    return initial;
}

std::string englishInitial(std::string_view initial)
{
    static constexpr std::pair<std::string_view, std::string_view> kMap[] = {
        { "a", "i" },
        { "c", "s" },
        { "j", "g" },
        { "k", "ch" },
        { "o", "a" },
        { "q", "ch" },
        { "x", "sh" },
        { "y", "e" },
        { "z", "th" },
        { "zh", "j" },
    };
    for (const auto& [from, to] : kMap)
        if (initial == from) return std::string(to);
    return std::string(initial);
}

std::vector<std::string> englishInitials(std::string_view pinyinInitial)
{
    static constexpr std::pair<std::string_view, std::string_view> kNext[] = {
        { "th", "s" },
        { "j", "ch" },
    };
    std::vector<std::string> out { englishInitial(pinyinInitial) };
    for (const auto& [from, next] : kNext)
        if (out.front() == from) out.emplace_back(next);
    return out;
}

bool englishLengthFits(std::size_t letters, int minLength, int maxLength)
{
    if (minLength > 0 && maxLength > 0 && minLength > maxLength) std::swap(minLength, maxLength);
    if (minLength > 0 && letters < static_cast<std::size_t>(minLength)) return false;
    if (maxLength > 0 && letters > static_cast<std::size_t>(maxLength)) return false;
    return true;
}

std::string pronunciationSearchUrl(std::string_view base, std::string_view name)
{
    while (!base.empty() && base.back() == '/')
        base.remove_suffix(1);
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url(base);
    url += "/s?wd=";
    for (const char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-'
            || c == '.' || c == '_' || c == '~';
        if (plain) {
            url += ch;
        } else {
            url += '%';
            url += kHex[c >> 4];
            url += kHex[c & 0x0F];
        }
    }
    return url;
}

std::string pronunciationAddress(std::string_view page)
{
    static constexpr std::string_view kMarker = "<a href=\"#\" url=\"";
    static constexpr std::string_view kSuffix = ".mp3";
    const std::size_t marker = page.find(kMarker);
    if (marker == std::string_view::npos) return {};
    const std::size_t start = marker + kMarker.size();
    const std::size_t end = page.find(kSuffix, start);
    if (end == std::string_view::npos) return {};
    return std::string(page.substr(start, end - start)) + std::string(kSuffix);
}

void runEnglishMode(GenerationRun& run)
{
    const EnglishOptions& options = run.request().english;
    run.phase(GenerationPhase::SettingUp);
    const auto given = splitCharacters(options.givenName);
    const std::string pinyin = given.empty() ? std::string() : pinyinInitial(run.database(), given.front());

    run.phase(GenerationPhase::Listing);
    NameDatabase& db = run.database();
    std::vector<EnglishRow>& rows = run.result().englishRows;
    std::size_t flushed = 0;
    const auto flush = [&] {
        if (flushed == rows.size()) return;
        run.report(generation_event::EnglishRows {
            flushed, { rows.begin() + static_cast<std::ptrdiff_t>(flushed), rows.end() } });
        flushed = rows.size();
    };
    // A character without a reading gives no initial, which no name has.
    if (pinyin.empty()) return;
    // The nearest initial first; the next one only when the first lists nothing.
    bool stopped = false;
    for (const std::string& initial : englishInitials(pinyin)) {
        EnglishNameRepository(db).forEach([&](const EnglishNameRecord& english) {
            const std::string& key = english.index2.empty() ? english.index : english.index2;
            if (key == initial && english.sex == options.style) {
                const std::string& name = english.name;
                if (englishLengthFits(characterCount(name), options.minLength, options.maxLength)) {
                    EnglishRow row;
                    row[EnglishRow::Number] = std::to_string(rows.size() + 1);
                    row[EnglishRow::Name] = name;
                    row[EnglishRow::Transcription] = english.transcription;
                    row[EnglishRow::Meaning] = english.meaning;
                    rows.push_back(std::move(row));
                    if (rows.size() - flushed >= kEnglishBatch) flush();
                }
            }
            stopped = !run.checkpoint();
            return !stopped;
        });
        if (stopped || !rows.empty()) break;
    }
    flush();
}

} // namespace jm
