#include "scoring/NameAdvisor.h"

#include "text/Text.h"

#include <algorithm>

namespace jm {

namespace {

struct ToneMark {
    std::string_view mark;
    char plain;
    std::uint8_t tone;
};

// Vowels with tone marks as pinyin writes them; ü is written v.
constexpr ToneMark kToneMarks[] = {
    { "ā", 'a', 1 },
    { "á", 'a', 2 },
    { "ǎ", 'a', 3 },
    { "à", 'a', 4 },
    { "ē", 'e', 1 },
    { "é", 'e', 2 },
    { "ě", 'e', 3 },
    { "è", 'e', 4 },
    { "ī", 'i', 1 },
    { "í", 'i', 2 },
    { "ǐ", 'i', 3 },
    { "ì", 'i', 4 },
    { "ō", 'o', 1 },
    { "ó", 'o', 2 },
    { "ǒ", 'o', 3 },
    { "ò", 'o', 4 },
    { "ū", 'u', 1 },
    { "ú", 'u', 2 },
    { "ǔ", 'u', 3 },
    { "ù", 'u', 4 },
    { "ǖ", 'v', 1 },
    { "ǘ", 'v', 2 },
    { "ǚ", 'v', 3 },
    { "ǜ", 'v', 4 },
    { "ü", 'v', 0 },
    { "ń", 'n', 2 },
    { "ň", 'n', 3 },
    { "ǹ", 'n', 4 },
};

const char* const kToneNames[] = { "", "阴平（第一声）", "阳平（第二声）", "上声（第三声）", "去声（第四声）" };
const char* const kCountNames[] = { "", "一", "两", "三", "四", "五", "六" };

std::string quoted(std::string_view text)
{
    return "“" + std::string(text) + "”";
}

const CharacterFacts& unknownFacts()
{
    static const CharacterFacts none;
    return none;
}

std::uint32_t pairKey(std::uint16_t a, std::uint16_t b, bool merged)
{
    return (merged ? 0x80000000u : 0u) | (std::uint32_t { a } << 16) | b;
}

bool toneFits(std::uint8_t wanted, std::uint8_t heard)
{
    return wanted == 0 || wanted == heard;
}

bool hears(const CharacterFacts& c, const Sound& wanted)
{
    for (const Sound& s : c.sounds)
        if (s.merged == wanted.merged && toneFits(wanted.tone, s.tone)) return true;
    return false;
}

std::string joinedText(std::span<const CharacterFacts* const> chars)
{
    std::string text;
    for (const CharacterFacts* c : chars)
        text += c->character;
    return text;
}

} // namespace

std::string_view exclusionLabel(Exclusion e)
{
    switch (e) {
    case Exclusion::None:
        return "保留";
    case Exclusion::Missing:
        return "字库未收录";
    case Exclusion::Unfit:
        return "忌用字";
    case Exclusion::Odd:
        return "不入名的字";
    case Exclusion::OtherSex:
        return "异性用字";
    case Exclusion::SurnameInside:
        return "名含姓氏字";
    case Exclusion::Homophone:
        return "不雅谐音";
    case Exclusion::Repeat:
        return "重复的名字";
    }
    return {};
}

std::pair<std::string, std::uint8_t> splitTone(std::string_view pinyin)
{
    std::string plain;
    std::uint8_t tone = 0;
    for (std::size_t i = 0; i < pinyin.size();) {
        const char ch = pinyin[i];
        if (ch >= '1' && ch <= '5') {
            tone = static_cast<std::uint8_t>(ch - '0');
            ++i;
            continue;
        }
        if (static_cast<unsigned char>(ch) < 0x80) {
            plain += ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
            ++i;
            continue;
        }
        bool found = false;
        for (const ToneMark& m : kToneMarks) {
            if (pinyin.substr(i, m.mark.size()) == m.mark) {
                plain += m.plain;
                if (m.tone) tone = m.tone;
                i += m.mark.size();
                found = true;
                break;
            }
        }
        if (!found) ++i;
    }
    // "u:" is another spelling of ü.
    std::string out;
    out.reserve(plain.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
        if (plain[i] == 'u' && i + 1 < plain.size() && plain[i + 1] == ':') {
            out += 'v';
            ++i;
        } else {
            out += plain[i];
        }
    }
    return { out, tone };
}

std::string mergedSyllable(std::string s)
{
    if (s.size() > 2 && s[1] == 'h' && (s[0] == 'z' || s[0] == 'c' || s[0] == 's')) s.erase(1, 1);
    if (s.size() > 1 && s[0] == 'n' && s[1] != 'g') s[0] = 'l';
    for (const char* ending : { "ang", "eng", "ing" }) {
        if (s.size() >= 3 && s.compare(s.size() - 3, 3, ending) == 0) {
            s.pop_back();
            break;
        }
    }
    return s;
}

std::uint16_t NameAdvisor::syllableId(const std::string& merged)
{
    const auto [it, added] = m_syllables.try_emplace(merged, static_cast<std::uint16_t>(m_syllables.size() + 1));
    return it->second;
}

CharacterFacts NameAdvisor::makeFacts(std::string character, bool known, const CharacterSuitability* suitability,
    const std::vector<std::string>& readings)
{
    CharacterFacts f;
    f.character = std::move(character);
    f.known = known;
    f.listed = suitability != nullptr;
    if (suitability) {
        f.suitability = *suitability;
    } else {
        f.suitability.character = f.character;
        f.suitability.level = UsageLevel::Rare;
    }
    f.readings = readings;
    std::vector<std::string> plains;
    for (const std::string& r : readings) {
        auto [plain, tone] = splitTone(r);
        if (plain.empty()) continue;
        if (tone == 0) tone = 5;
        const Sound sound { syllableId(plain), syllableId(mergedSyllable(plain)), tone };
        if (std::none_of(f.sounds.begin(), f.sounds.end(),
                [&](const Sound& s) { return s.exact == sound.exact && s.tone == sound.tone; }))
            f.sounds.push_back(sound);
        if (f.tone == 0 && tone != 5) f.tone = tone;
        // A reading in the neutral tone only (地 de) does not make a name unclear.
        if (tone != 5 && std::find(plains.begin(), plains.end(), plain) == plains.end()) plains.push_back(plain);
    }
    f.polyphone = plains.size() > 1;
    return f;
}

void NameAdvisor::addHomophone(const HomophoneEntry& entry)
{
    std::vector<Sound> sounds;
    std::size_t start = 0;
    const std::string& text = entry.pinyin;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        if (end > start) {
            const auto [plain, tone] = splitTone(std::string_view(text).substr(start, end - start));
            sounds.push_back({ syllableId(plain), syllableId(mergedSyllable(plain)), tone });
        }
        start = end + 1;
    }
    if (sounds.size() < 2) return;
    const bool merged = sounds.size() >= 3;
    m_byStart[merged ? pairKey(sounds[0].merged, sounds[1].merged, true)
                     : pairKey(sounds[0].exact, sounds[1].exact, false)]
        .push_back(static_cast<std::uint32_t>(m_homophones.size()));
    m_homophones.push_back(entry);
    m_homophoneSounds.push_back(std::move(sounds));
}

NameAdvisor NameAdvisor::build(
    const std::vector<CharacterFacts>& characters, const std::vector<HomophoneEntry>& homophones)
{
    NameAdvisor advisor;
    for (const CharacterFacts& c : characters)
        advisor.m_facts.try_emplace(
            c.character, advisor.makeFacts(c.character, c.known, c.listed ? &c.suitability : nullptr, c.readings));
    for (const HomophoneEntry& h : homophones)
        advisor.addHomophone(h);
    return advisor;
}

NameAdvisor NameAdvisor::load(NameDatabase& db, const std::vector<std::string>& texts)
{
    std::vector<std::string> characters;
    for (const std::string& text : texts)
        for (std::string& c : splitCharacters(text))
            if (std::find(characters.begin(), characters.end(), c) == characters.end())
                characters.push_back(std::move(c));
    AdviceRepository repository(db);
    const auto suitability = repository.suitability(characters);
    const auto readings = repository.readings(characters);
    const auto usable = repository.usableCharacters(characters);
    NameAdvisor advisor;
    static const std::vector<std::string> kNoReadings;
    for (const std::string& c : characters) {
        const auto s = suitability.find(c);
        const auto r = readings.find(c);
        advisor.m_facts.try_emplace(c,
            advisor.makeFacts(c, usable.count(c) > 0, s == suitability.end() ? nullptr : &s->second,
                r == readings.end() ? kNoReadings : r->second));
    }
    for (const HomophoneEntry& h : repository.homophones())
        advisor.addHomophone(h);
    return advisor;
}

const CharacterFacts& NameAdvisor::facts(const std::string& character) const
{
    const auto it = m_facts.find(character);
    return it == m_facts.end() ? unknownFacts() : it->second;
}

Exclusion NameAdvisor::excludeCharacter(const CharacterFacts& c, std::string_view sex) const
{
    if (!c.known) return Exclusion::Missing;
    if (c.suitability.usage == CharacterUsage::Unfit) return Exclusion::Unfit;
    if (c.suitability.usage == CharacterUsage::Odd) return Exclusion::Odd;
    if ((sex == "男" && c.suitability.leaning == SexLeaning::Female)
        || (sex == "女" && c.suitability.leaning == SexLeaning::Male))
        return Exclusion::OtherSex;
    return Exclusion::None;
}

const HomophoneEntry* NameAdvisor::soundsLike(std::span<const CharacterFacts* const> name) const
{
    if (m_byStart.empty()) return nullptr;
    const std::size_t n = name.size();
    for (std::size_t start = 0; start + 1 < n; ++start) {
        for (const Sound& a : name[start]->sounds) {
            for (const Sound& b : name[start + 1]->sounds) {
                for (const bool merged : { false, true }) {
                    const auto it
                        = m_byStart.find(merged ? pairKey(a.merged, b.merged, true) : pairKey(a.exact, b.exact, false));
                    if (it == m_byStart.end()) continue;
                    for (const std::uint32_t e : it->second) {
                        const std::vector<Sound>& word = m_homophoneSounds[e];
                        if (start + word.size() > n || !toneFits(word[0].tone, a.tone)
                            || !toneFits(word[1].tone, b.tone))
                            continue;
                        bool all = true;
                        for (std::size_t k = 2; k < word.size() && all; ++k)
                            all = hears(*name[start + k], word[k]);
                        if (all) return &m_homophones[e];
                    }
                }
            }
        }
    }
    return nullptr;
}

std::vector<Caution> NameAdvisor::cautions(
    const std::string& surname, const std::string& given, std::string_view sex) const
{
    std::vector<const CharacterFacts*> s, g;
    std::vector<CharacterFacts> loose;
    const auto collect = [&](const std::string& text, std::vector<const CharacterFacts*>& out) {
        for (const std::string& c : splitCharacters(text)) {
            const CharacterFacts& f = facts(c);
            if (&f != &unknownFacts()) {
                out.push_back(&f);
                continue;
            }
            // Not loaded: an unknown character that still shows its text.
            loose.reserve(8);
            loose.push_back({});
            loose.back().character = c;
            loose.back().suitability.level = UsageLevel::Rare;
            out.push_back(nullptr);
        }
    };
    collect(surname, s);
    collect(given, g);
    std::size_t next = 0;
    for (auto* list : { &s, &g })
        for (const CharacterFacts*& p : *list)
            if (!p) p = &loose[next++];
    return cautions(s, g, sex);
}

template <typename Emit>
void NameAdvisor::visitCautions(std::span<const CharacterFacts* const> surname,
    std::span<const CharacterFacts* const> given, std::string_view sex, Emit&& emit) const
{
    // `emit(kind, text)` gets each caution's kind index and a function making
    // its text, so a caller wanting only the kinds builds no text.
    std::vector<const CharacterFacts*> full(surname.begin(), surname.end());
    full.insert(full.end(), given.begin(), given.end());

    if (const HomophoneEntry* h = soundsLike(full)) {
        emit(CautionKind::Homophone,
            [&] { return quoted(joinedText(full)) + "读起来像" + quoted(h->word) + "，容易被人取笑。"; });
    }

    if (full.size() >= 3) {
        const std::uint8_t tone = full.front()->tone;
        const bool same = tone >= 1 && tone <= 4
            && std::all_of(full.begin(), full.end(), [&](const CharacterFacts* c) { return c->tone == tone; });
        if (same)
            emit(CautionKind::Tones, [&] {
                return quoted(joinedText(full)) + kCountNames[std::min<std::size_t>(full.size(), 6)] + "个字都读"
                    + kToneNames[tone] + "，读起来平直，缺少起伏。";
            });
    }

    for (const CharacterFacts* c : given) {
        if (!c->listed) continue;
        const std::string& reason = c->suitability.reason;
        if (c->suitability.usage == CharacterUsage::Unfit)
            emit(CautionKind::Usage,
                [&] { return quoted(c->character) + "不宜用于名字" + (reason.empty() ? "" : "：" + reason) + "。"; });
        else if (c->suitability.usage == CharacterUsage::Odd)
            emit(CautionKind::Usage,
                [&] { return quoted(c->character) + "很少用于名字" + (reason.empty() ? "" : "：" + reason) + "。"; });
    }
    for (const CharacterFacts* c : given) {
        if ((sex == "男" && c->suitability.leaning == SexLeaning::Female)
            || (sex == "女" && c->suitability.leaning == SexLeaning::Male))
            emit(CautionKind::Sex, [&] {
                return quoted(c->character) + "多见于"
                    + (c->suitability.leaning == SexLeaning::Female ? "女孩" : "男孩") + "的名字。";
            });
    }
    for (const CharacterFacts* c : given)
        if (c->known && c->suitability.level == UsageLevel::Rare)
            emit(CautionKind::Rare,
                [&] { return quoted(c->character) + "是生僻字，不少人不认识，登记和输入也可能不便。"; });
    for (const CharacterFacts* c : given) {
        if (!c->polyphone) continue;
        emit(CautionKind::Polyphone, [&] {
            std::string readings;
            for (const std::string& r : c->readings) {
                if (splitTone(r).second == 0) continue;
                readings += (readings.empty() ? "" : "、") + r;
            }
            return quoted(c->character) + "有 " + readings + " 几种读音，名字里读哪一个需要说明。";
        });
    }
    for (const CharacterFacts* c : full)
        if (!c->known)
            emit(CautionKind::Missing,
                [&] { return quoted(c->character) + "不在本程序的字库里，笔画和五行无法计算。"; });
}

std::vector<Caution> NameAdvisor::cautions(std::span<const CharacterFacts* const> surname,
    std::span<const CharacterFacts* const> given, std::string_view sex) const
{
    std::vector<Caution> out;
    visitCautions(surname, given, sex, [&out](CautionKind kind, const auto& text) {
        Caution c { kCautionKinds[static_cast<std::size_t>(kind)], text() };
        // A character written twice (乐乐) is told once.
        if (std::find(out.begin(), out.end(), c) == out.end()) out.push_back(std::move(c));
    });
    return out;
}

std::uint8_t NameAdvisor::cautionKinds(std::span<const CharacterFacts* const> surname,
    std::span<const CharacterFacts* const> given, std::string_view sex) const
{
    std::uint8_t bits = 0;
    visitCautions(surname, given, sex, [&bits](CautionKind kind, const auto&) {
        bits |= static_cast<std::uint8_t>(1u << static_cast<unsigned>(kind));
    });
    return bits;
}

} // namespace jm
