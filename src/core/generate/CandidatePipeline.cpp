#include "generate/CandidatePipeline.h"

#include "data/CharacterRepository.h"
#include "scoring/NameAdvisor.h"
#include "text/Text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace jm {

std::string tooManyCharactersMessage(std::size_t distinct)
{
    return "最多只能组合" + std::to_string(kMaxCandidateCharacters) + "个不同的汉字，现在有" + std::to_string(distinct)
        + "个。请减少一些字再生成。";
}

std::vector<std::string> distinctCharacters(const std::vector<std::string>& characters)
{
    std::vector<std::string> out;
    std::unordered_set<std::string> seen;
    for (const std::string& c : characters)
        if (seen.insert(c).second) out.push_back(c);
    return out;
}

bool limitCandidateCharacters(GenerationRun& run)
{
    std::vector<std::string>& characters = run.data().candidateCharacters;
    characters = distinctCharacters(characters);
    if (characters.size() <= kMaxCandidateCharacters) return true;
    run.message({ kMessageTitle, tooManyCharactersMessage(characters.size()), MessageIcon::Warning });
    characters.clear();
    return false;
}

CharacterInfo loadCharacterInfo(NameDatabase& db, const std::string& character)
{
    return CharacterRepository(db).findStrokes(character).value_or(CharacterInfo { character, 0, 0, {} });
}

bool loadCandidateCharacters(GenerationRun& run, const std::function<void(std::size_t, const CharacterInfo&)>& use)
{
    RunData& data = run.data();
    data.table.clear();
    data.parts.clear();
    data.parts.reserve(data.candidateCharacters.size());
    for (const std::string& c : data.candidateCharacters)
        data.parts.push_back({ c });
    const auto records = CharacterRepository(run.database()).findStrokesOfMany(data.candidateCharacters);
    for (std::size_t i = 0; i < data.candidateCharacters.size(); ++i) {
        const std::string& text = data.candidateCharacters[i];
        const auto it = records.find(text);
        CharacterInfo info = it != records.end() ? it->second : CharacterInfo { text, 0, 0, {} };
        data.table.append(info);
        use(i, info);
        if (!run.checkpoint()) return false;
    }
    return true;
}

bool formCandidateNames(GenerationRun& run)
{
    RunData& data = run.data();
    data.candidateNames.clear();
    const GenerationCharacterSetting& gen = run.request().generationCharacter;
    const std::size_t n = data.candidateCharacters.size();
    const auto index = [](std::size_t i) { return static_cast<std::uint32_t>(i); };

    if (run.nameLength() == 1) {
        run.message({ kMessageTitle, kMessageOneCharacterNames, MessageIcon::Information });
        return loadCandidateCharacters(run, [&](std::size_t i, const CharacterInfo& info) {
            if (isUsableCharacter(info)) data.candidateNames.push_back({ index(i), CandidateName::kNoPart });
        });
    }
    if (gen.kind == GenerationCharacterSetting::Kind::None) {
        data.candidateNames.reserve(n * n);
        return loadCandidateCharacters(run, [&](std::size_t i, const CharacterInfo& info) {
            if (!isUsableCharacter(info)) return;
            for (std::size_t j = 0; j < n; ++j)
                data.candidateNames.push_back({ index(i), index(j) });
        });
    }
    // The fixed character becomes a part of its own; its characters are
    // looked up when the table is completed for scoring.
    bool ok = loadCandidateCharacters(run, [&](std::size_t i, const CharacterInfo& info) {
        if (isUsableCharacter(info)) data.candidateNames.push_back({ index(i), CandidateName::kNoPart });
    });
    const std::uint32_t fixed = data.partFor(gen.fixedText());
    for (CandidateName& name : data.candidateNames) {
        if (gen.kind == GenerationCharacterSetting::Kind::Second)
            name = { fixed, name.first };
        else
            name.second = fixed;
    }
    return ok;
}

void completeCharacterTable(GenerationRun& run)
{
    RunData& data = run.data();
    const auto supply = [&](const std::string& text) {
        for (const std::string& ch : splitCharacters(text))
            if (!data.table.find(ch)) data.table.append(loadCharacterInfo(run.database(), ch));
    };
    supply(run.request().surname);
    for (const CandidatePart& part : data.parts)
        supply(part.text);
}

namespace {

/// A part as the hot loop sees it: its first two characters in the table,
/// its character count and how it meets the surname.
struct ResolvedPart {
    const CharacterInfo* c1 = nullptr;
    const CharacterInfo* c2 = nullptr;
    int count = 0;
    bool containsSurname = false;
    /// Bit p: the part ends with the first p bytes of the surname.
    std::uint64_t endsWithHead = 0;
    /// Bit p: the part starts with the surname from byte p on.
    std::uint64_t startsWithTail = 0;
    /// What the advisor knows of each character of the part.
    std::vector<const CharacterFacts*> facts;
    /// Why a default list leaves out every name with this part.
    Exclusion exclusion = Exclusion::None;
};

std::vector<ResolvedPart> resolveParts(const RunData& data, const std::string& surname)
{
    std::vector<ResolvedPart> out(data.parts.size());
    const std::size_t len = surname.size();
    const bool useMasks = len >= 2 && len < 64;
    for (std::size_t i = 0; i < data.parts.size(); ++i) {
        const std::string& text = data.parts[i].text;
        ResolvedPart& r = out[i];
        const auto chars = splitCharacters(text);
        r.count = static_cast<int>(chars.size());
        if (r.count >= 1) r.c1 = data.table.find(chars[0]);
        if (r.count >= 2) r.c2 = data.table.find(chars[1]);
        if (surname.empty()) continue;
        r.containsSurname = text.find(surname) != std::string::npos;
        if (!useMasks) continue;
        for (std::size_t p = 1; p < len; ++p) {
            if (text.size() >= p && text.compare(text.size() - p, p, surname, 0, p) == 0)
                r.endsWithHead |= std::uint64_t { 1 } << p;
            if (text.size() >= len - p && text.compare(0, len - p, surname, p, len - p) == 0)
                r.startsWithTail |= std::uint64_t { 1 } << p;
        }
    }
    return out;
}

/// Looks up the advice on every part. A candidate character is judged
/// (fixed parts, the generation character and a nickname's 小 儿 阿, are the
/// user's or the pattern's and pass); `sex` is empty for lists not chosen
/// by sex.
void adviseParts(std::vector<ResolvedPart>& parts, const RunData& data, const NameAdvisor& advisor,
    const std::vector<std::string>& surnameChars, std::string_view sex)
{
    for (std::size_t i = 0; i < parts.size(); ++i) {
        ResolvedPart& r = parts[i];
        for (const std::string& ch : splitCharacters(data.parts[i].text))
            r.facts.push_back(&advisor.facts(ch));
        if (i >= data.candidateCharacters.size()) continue;
        for (const CharacterFacts* f : r.facts) {
            if (r.exclusion != Exclusion::None) break;
            r.exclusion = advisor.excludeCharacter(*f, sex);
            if (r.exclusion == Exclusion::None
                && std::find(surnameChars.begin(), surnameChars.end(), f->character) != surnameChars.end())
                r.exclusion = Exclusion::SurnameInside;
        }
    }
}

CharacterInfo copyOrAbsent(const CharacterInfo* info)
{
    return info ? *info : CharacterInfo {};
}

} // namespace

bool fillScoredList(GenerationRun& run, int threshold, std::optional<std::size_t> capacity)
{
    RunData& data = run.data();
    GenerationResult& result = run.result();
    const std::string& surname = run.request().surname;
    completeCharacterTable(run);
    std::vector<ResolvedPart> parts = resolveParts(data, surname);
    const bool longSurname = surname.size() >= 64;

    const auto surnameChars = splitCharacters(surname);
    const GenerationRequest& request = run.request();
    const bool filter = !request.showAllNames;
    const bool bySex = request.mode == GenerationMode::HighScore || request.mode == GenerationMode::SuperLucky;
    std::vector<std::string> texts { surname };
    for (const CandidatePart& part : data.parts)
        texts.push_back(part.text);
    const NameAdvisor advisor = NameAdvisor::load(run.database(), texts);
    adviseParts(parts, data, advisor, surnameChars, bySex ? std::string_view(request.sex) : std::string_view());
    std::vector<const CharacterFacts*> surnameFacts;
    for (const std::string& ch : surnameChars)
        surnameFacts.push_back(&advisor.facts(ch));
    std::unordered_set<std::string> listedNames;
    auto& excluded = result.excluded;
    excluded = {};
    const auto exclude = [&excluded](Exclusion e) { ++excluded[static_cast<std::size_t>(e)]; };
    const int surnameLength = static_cast<int>(surnameChars.size());
    const CharacterInfo* s1 = surnameLength >= 1 ? data.table.find(surnameChars[0]) : nullptr;
    const CharacterInfo* s2 = surnameLength >= 2 ? data.table.find(surnameChars[1]) : nullptr;

    NameScorer scorer(run.database(), data.table);
    const std::vector<CandidateName>& names = data.candidateNames;
    const std::size_t total = names.size();
    result.candidateCount = total;
    result.threshold = threshold;
    result.rows.clear();
    result.rows.reserve(capacity ? std::min(*capacity, total) : total);

    run.phase(GenerationPhase::Listing);
    run.sink().onListPrepared(capacity ? *capacity + 1 : total);
    run.sink().onProgress(0, total);

    constexpr std::size_t kProgressEvery = 4096;
    constexpr std::size_t kRowBatch = 512;
    bool firstListed = false;
    std::size_t examined = 0;
    for (const CandidateName& name : names) {
        if (!run.checkpoint()) break;
        ++examined;
        const ResolvedPart& a = parts[name.first];
        const ResolvedPart* b = name.second == CandidateName::kNoPart ? nullptr : &parts[name.second];

        bool containsSurname = false;
        if (!surname.empty()) {
            containsSurname = a.containsSurname || (b && b->containsSurname);
            if (!containsSurname && b) {
                containsSurname = longSurname ? data.givenName(name).find(surname) != std::string::npos
                                              : (a.endsWithHead & b->startsWithTail) != 0;
            }
        }
        if (containsSurname) exclude(Exclusion::SurnameInside);
        const Exclusion partExclusion
            = a.exclusion != Exclusion::None ? a.exclusion : (b ? b->exclusion : Exclusion::None);
        if (!containsSurname && filter && partExclusion != Exclusion::None) {
            exclude(partExclusion);
            containsSurname = true; // skip the name like one holding the surname
        }
        if (!containsSurname) {
            const int givenLength = a.count + (b ? b->count : 0);
            const CharacterInfo* g1 = a.c1;
            const CharacterInfo* g2 = a.c2;
            if (a.count == 1) {
                g2 = b ? b->c1 : nullptr;
            } else if (a.count == 0) {
                g1 = b ? b->c1 : nullptr;
                g2 = b ? b->c2 : nullptr;
            }
            const int score = scorer.quickScore(surnameLength, s1, s2, givenLength, g1, g2);
            bool listed = score >= threshold;
            std::vector<const CharacterFacts*> given;
            if (listed) {
                given = a.facts;
                if (b) given.insert(given.end(), b->facts.begin(), b->facts.end());
            }
            if (listed && filter) {
                std::vector<const CharacterFacts*> full = surnameFacts;
                full.insert(full.end(), given.begin(), given.end());
                if (advisor.soundsLike(full)) {
                    exclude(Exclusion::Homophone);
                    listed = false;
                } else if (!listedNames.insert(data.givenName(name)).second) {
                    exclude(Exclusion::Repeat);
                    listed = false;
                }
            }
            if (listed) {
                NameLayout layout;
                layout.surnameLength = surnameLength;
                layout.givenLength = givenLength;
                layout.S1 = copyOrAbsent(s1);
                layout.S2 = copyOrAbsent(s2);
                layout.G1 = copyOrAbsent(g1);
                layout.G2 = copyOrAbsent(g2);
                NameRow row
                    = makeNameRow(result.rows.size() + 1, surname, data.givenName(name), scorer.scoreLayout(layout));
                row.cautions = advisor.cautions(surnameFacts, given, request.sex);
                run.listRow(std::move(row));
                if (result.rows.size() % kRowBatch == 0) run.flushRows();
            }
            if (capacity) {
                if (!firstListed && !result.rows.empty()) {
                    firstListed = true;
                    run.flushRows();
                    run.sink().onFirstListed();
                }
                if (result.rows.size() >= *capacity) break;
            }
        }
        if (examined % kProgressEvery == 0) {
            run.flushRows();
            run.sink().onProgress(examined, total);
        }
    }
    run.flushRows();
    result.examinedCount = examined;
    run.sink().onProgress(examined, total);
    if (run.stopped()) return false;
    sortListByScore(result.rows);
    if (filter) varyFirstCharacters(result.rows, surname.size());
    renumberRows(result.rows);
    return true;
}

void varyFirstCharacters(std::vector<NameRow>& rows, std::size_t surnameBytes)
{
    std::vector<NameRow> out;
    out.reserve(rows.size());
    for (std::size_t begin = 0; begin < rows.size();) {
        std::size_t end = begin;
        while (end < rows.size() && rows[end].sortKey == rows[begin].sortKey)
            ++end;
        // The band's rows grouped by first given-name character, groups in
        // order of first appearance, rows in list order within a group.
        std::unordered_map<std::string, std::size_t> groupOf;
        std::vector<std::vector<std::size_t>> groups;
        for (std::size_t r = begin; r < end; ++r) {
            const std::string& name = rows[r][NameRow::Name];
            const auto chars = splitCharacters(std::string_view(name).substr(std::min(surnameBytes, name.size())));
            const auto [it, added] = groupOf.try_emplace(chars.empty() ? std::string() : chars.front(), groups.size());
            if (added) groups.emplace_back();
            groups[it->second].push_back(r);
        }
        // Group g starts at its (g mod size)-th row: the groups' rows follow
        // one candidate order, so starting them all at their first row would
        // give neighbours the same second character.
        for (std::size_t round = 0, taken = 0; taken < end - begin; ++round)
            for (std::size_t g = 0; g < groups.size(); ++g) {
                const auto& group = groups[g];
                if (round >= group.size()) continue;
                out.push_back(std::move(rows[group[(round + g) % group.size()]]));
                ++taken;
            }
        begin = end;
    }
    rows = std::move(out);
}

void sortListByScore(std::vector<NameRow>& rows)
{
    // Sort keys with row indexes, then move each row once: rows are eight
    // strings each, too heavy to shuffle through a merge sort.
    std::vector<std::pair<int, std::size_t>> order(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string& text = rows[i][NameRow::Score];
        int key = 0;
        std::from_chars(text.data(), text.data() + text.size(), key);
        rows[i].sortKey = key;
        order[i] = { key, i };
    }
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<NameRow> sorted;
    sorted.reserve(rows.size());
    for (const auto& [key, index] : order)
        sorted.push_back(std::move(rows[index]));
    rows = std::move(sorted);
}

void renumberRows(std::vector<NameRow>& rows)
{
    for (std::size_t r = 0; r < rows.size(); ++r)
        rows[r][NameRow::Number] = std::to_string(r + 1);
}

NameRow makeNameRow(std::size_t number, const std::string& surname, const std::string& given, const NameScore& score)
{
    NameRow row;
    row[NameRow::Number] = std::to_string(number);
    row[NameRow::Name] = surname + given;
    row[NameRow::SimplifiedStrokes] = std::to_string(score.grids.simplifiedTotal);
    row[NameRow::TraditionalStrokes] = std::to_string(score.grids.总格);
    row[NameRow::Elements] = score.grids.elementsText;
    row[NameRow::Grids] = gridsText(score.grids);
    row[NameRow::ThreeTalents] = score.grids.三才;
    row[NameRow::Score] = std::to_string(score.score);
    row.sortKey = score.score;
    return row;
}

} // namespace jm
