#include "generate/CandidatePipeline.h"

#include "data/CharacterRepository.h"
#include "scoring/NameAdvisor.h"
#include "text/Text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <span>
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

/// How a part meets the surname and the default list's rules.
struct PartCheck {
    bool containsSurname = false;
    /// Bit p: the part ends with the first p bytes of the surname.
    std::uint64_t endsWithHead = 0;
    /// Bit p: the part starts with the surname from byte p on.
    std::uint64_t startsWithTail = 0;
    /// Why a default list leaves out every name with this part.
    Exclusion exclusion = Exclusion::None;
};

std::vector<PartCheck> checkParts(const NameList& list, std::size_t candidateCount,
    const std::vector<std::string>& surnameChars, std::string_view sex)
{
    const std::string& surname = list.surname();
    std::vector<PartCheck> out(list.parts().size());
    const std::size_t len = surname.size();
    const bool useMasks = len >= 2 && len < 64;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const NameList::Part& part = list.parts()[i];
        PartCheck& r = out[i];
        // A candidate character is judged (fixed parts, the generation
        // character and a nickname's 小 儿 阿, are the user's or the
        // pattern's and pass).
        if (i < candidateCount) {
            for (const CharacterFacts* f : part.facts) {
                if (r.exclusion != Exclusion::None) break;
                r.exclusion = list.advisor().excludeCharacter(*f, sex);
                if (r.exclusion == Exclusion::None
                    && std::find(surnameChars.begin(), surnameChars.end(), f->character) != surnameChars.end())
                    r.exclusion = Exclusion::SurnameInside;
            }
        }
        if (surname.empty()) continue;
        const std::string& text = part.text;
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

/// Remembers the given names already listed. Names of one-character parts
/// are told apart by their parts (a part with the same text as an earlier
/// one counts as that one), others by their text.
class ListedGivenNames {
public:
    explicit ListedGivenNames(const NameList& list)
        : m_list(list)
    {
        const auto& parts = list.parts();
        m_byText = std::any_of(parts.begin(), parts.end(), [](const NameList::Part& p) { return p.count != 1; });
        if (m_byText) return;
        std::unordered_map<std::string, std::uint32_t> first;
        m_canonical.resize(parts.size());
        for (std::size_t i = 0; i < parts.size(); ++i)
            m_canonical[i] = first.try_emplace(parts[i].text, static_cast<std::uint32_t>(i)).first->second;
        m_seen.assign(parts.size() * (parts.size() + 1), false);
    }
    /// True when the name was not listed before (it is now).
    bool insert(const ListedName& name)
    {
        if (m_byText) return m_texts.insert(m_list.givenName(name)).second;
        const std::size_t n = m_canonical.size();
        const std::size_t second = name.second == CandidateName::kNoPart ? n : m_canonical[name.second];
        const std::size_t key = m_canonical[name.first] * (n + 1) + second;
        if (m_seen[key]) return false;
        m_seen[key] = true;
        return true;
    }

private:
    const NameList& m_list;
    bool m_byText = false;
    std::vector<std::uint32_t> m_canonical;
    std::vector<bool> m_seen;
    std::unordered_set<std::string> m_texts;
};

} // namespace

bool fillScoredList(GenerationRun& run, int threshold, std::optional<std::size_t> capacity)
{
    RunData& data = run.data();
    GenerationResult& result = run.result();
    const GenerationRequest& request = run.request();
    const std::string& surname = request.surname;
    completeCharacterTable(run);

    const auto surnameChars = splitCharacters(surname);
    const bool filter = !request.showAllNames;
    const bool bySex = request.mode == GenerationMode::HighScore || request.mode == GenerationMode::SuperLucky;
    std::vector<std::string> texts { surname };
    std::vector<std::string> partTexts;
    partTexts.reserve(data.parts.size());
    for (const CandidatePart& part : data.parts) {
        texts.push_back(part.text);
        partTexts.push_back(part.text);
    }
    auto list = std::make_shared<NameList>(
        surname, request.sex, std::move(partTexts), data.table, NameAdvisor::load(run.database(), texts));
    const NameAdvisor& advisor = list->advisor();
    const std::vector<PartCheck> checks = checkParts(*list, data.candidateCharacters.size(), surnameChars,
        bySex ? std::string_view(request.sex) : std::string_view());
    const std::vector<NameList::Part>& parts = list->parts();
    const std::vector<const CharacterFacts*>& surnameFacts = list->surnameFacts();
    const bool longSurname = surname.size() >= 64;
    ListedGivenNames listedNames(*list);
    auto& excluded = result.excluded;
    excluded = {};
    const auto exclude = [&excluded](Exclusion e) { ++excluded[static_cast<std::size_t>(e)]; };
    const int surnameLength = list->surnameLength();
    const CharacterInfo* s1 = list->surname1();
    const CharacterInfo* s2 = list->surname2();

    NameScorer scorer(run.database(), list->table());
    const std::vector<CandidateName>& names = data.candidateNames;
    const std::size_t total = names.size();
    result.candidateCount = total;
    result.threshold = threshold;
    list->reserve(capacity ? std::min(*capacity, total) : total);

    run.phase(GenerationPhase::Listing);
    run.prepareList(list, capacity ? *capacity + 1 : total);
    run.report(generation_event::Progress { 0, total });

    constexpr std::size_t kProgressEvery = 4096;
    constexpr std::size_t kRowBatch = 512;
    bool firstListed = false;
    std::size_t examined = 0;
    std::vector<const CharacterFacts*> full = surnameFacts;
    for (const CandidateName& name : names) {
        if (!run.checkpoint()) break;
        ++examined;
        const PartCheck& a = checks[name.first];
        const PartCheck* b = name.second == CandidateName::kNoPart ? nullptr : &checks[name.second];
        const ListedName candidate { name.first, name.second, 0, 0 };

        bool containsSurname = false;
        if (!surname.empty()) {
            containsSurname = a.containsSurname || (b && b->containsSurname);
            if (!containsSurname && b) {
                containsSurname = longSurname ? list->givenName(candidate).find(surname) != std::string::npos
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
            const NameList::Given g = list->given(name.first, name.second);
            const int score = scorer.quickScore(surnameLength, s1, s2, g.length, g.g1, g.g2);
            bool listed = score >= threshold;
            if (listed) {
                full.resize(surnameFacts.size());
                full.insert(full.end(), parts[name.first].facts.begin(), parts[name.first].facts.end());
                if (name.second != CandidateName::kNoPart)
                    full.insert(full.end(), parts[name.second].facts.begin(), parts[name.second].facts.end());
            }
            if (listed && filter) {
                if (advisor.soundsLike(full)) {
                    exclude(Exclusion::Homophone);
                    listed = false;
                } else if (!listedNames.insert(candidate)) {
                    exclude(Exclusion::Repeat);
                    listed = false;
                }
            }
            if (listed) {
                const std::span<const CharacterFacts* const> all(full);
                run.listName({ name.first, name.second, static_cast<std::uint8_t>(score),
                    advisor.cautionKinds(
                        all.first(surnameFacts.size()), all.subspan(surnameFacts.size()), request.sex) });
                if (run.listedCount() % kRowBatch == 0) run.flushRows();
            }
            if (capacity) {
                if (!firstListed && run.listedCount() > 0) {
                    firstListed = true;
                    run.flushRows();
                    run.report(generation_event::FirstListed {});
                }
                if (run.listedCount() >= *capacity) break;
            }
        }
        if (examined % kProgressEvery == 0) {
            run.flushRows();
            run.report(generation_event::Progress { examined, total });
        }
    }
    run.flushRows();
    result.examinedCount = examined;
    run.report(generation_event::Progress { examined, total });
    const NameList& listed = *list;
    const std::size_t count = listed.size();
    if (run.stopped()) {
        result.order.resize(count);
        for (std::size_t i = 0; i < count; ++i)
            result.order[i] = static_cast<std::uint32_t>(i);
        return false;
    }
    const auto scoreOf = [&listed](std::uint32_t i) { return static_cast<int>(listed[i].score); };
    result.order = orderByScore(count, scoreOf);
    if (filter) {
        // Groups by the first character of the given name.
        std::unordered_map<std::string, std::uint32_t> ids;
        std::vector<std::uint32_t> firstCharacter(parts.size());
        for (std::size_t p = 0; p < parts.size(); ++p) {
            const auto chars = splitCharacters(parts[p].text);
            firstCharacter[p] = chars.empty()
                ? CandidateName::kNoPart
                : ids.try_emplace(chars.front(), static_cast<std::uint32_t>(ids.size())).first->second;
        }
        const auto groupOf = [&](std::uint32_t i) {
            const ListedName& n = listed[i];
            const std::uint32_t head = firstCharacter[n.first];
            if (head != CandidateName::kNoPart || n.second == CandidateName::kNoPart) return head;
            return firstCharacter[n.second];
        };
        varyFirstCharacters(result.order, scoreOf, groupOf);
    }
    return true;
}

std::vector<std::uint32_t> orderByScore(std::size_t count, const std::function<int(std::uint32_t)>& score)
{
    // A counting sort: scores are small integers, and the order stays stable.
    std::vector<std::uint32_t> order(count);
    if (count == 0) return order;
    int low = score(0);
    int high = low;
    for (std::size_t i = 1; i < count; ++i) {
        const int s = score(static_cast<std::uint32_t>(i));
        low = std::min(low, s);
        high = std::max(high, s);
    }
    std::vector<std::size_t> start(static_cast<std::size_t>(high - low) + 2, 0);
    for (std::size_t i = 0; i < count; ++i)
        ++start[static_cast<std::size_t>(high - score(static_cast<std::uint32_t>(i))) + 1];
    for (std::size_t k = 1; k < start.size(); ++k)
        start[k] += start[k - 1];
    for (std::size_t i = 0; i < count; ++i)
        order[start[static_cast<std::size_t>(high - score(static_cast<std::uint32_t>(i)))]++]
            = static_cast<std::uint32_t>(i);
    return order;
}

void varyFirstCharacters(std::vector<std::uint32_t>& order, const std::function<int(std::uint32_t)>& score,
    const std::function<std::uint32_t(std::uint32_t)>& group)
{
    std::vector<std::uint32_t> out;
    out.reserve(order.size());
    std::unordered_map<std::uint32_t, std::size_t> groupOf;
    std::vector<std::vector<std::uint32_t>> groups;
    for (std::size_t begin = 0; begin < order.size();) {
        const int band = score(order[begin]);
        std::size_t end = begin;
        while (end < order.size() && score(order[end]) == band)
            ++end;
        // The band's rows grouped by first given-name character, groups in
        // order of first appearance, rows in list order within a group.
        groupOf.clear();
        groups.clear();
        for (std::size_t r = begin; r < end; ++r) {
            const auto [it, added] = groupOf.try_emplace(group(order[r]), groups.size());
            if (added) groups.emplace_back();
            groups[it->second].push_back(order[r]);
        }
        // Group g starts at its (g mod size)-th row: the groups' rows follow
        // one candidate order, so starting them all at their first row would
        // give neighbours the same second character.
        for (std::size_t round = 0, taken = 0; taken < end - begin; ++round)
            for (std::size_t g = 0; g < groups.size(); ++g) {
                const auto& members = groups[g];
                if (round >= members.size()) continue;
                out.push_back(members[(round + g) % members.size()]);
                ++taken;
            }
        begin = end;
    }
    order = std::move(out);
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
