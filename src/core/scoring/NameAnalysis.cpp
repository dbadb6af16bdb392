#include "scoring/NameAnalysis.h"

#include "data/CharacterRepository.h"
#include "data/FortuneRepository.h"
#include "data/SurnameReadings.h"
#include "data/ThreeTalentsRepository.h"
#include "resources/Resources.h"
#include "scoring/NameAdvisor.h"
#include "text/Text.h"

namespace jm {
namespace {

AnalysedCharacter lookUpAnalysedCharacter(NameDatabase& db, const std::string& character)
{
    AnalysedCharacter slot;
    slot.character = character;
    const std::optional<CharacterRecord> row = CharacterRepository(db).find(character);
    if (!row) return slot;
    CharacterInfo info { character, row->simplifiedStrokes.value_or(0), row->traditionalStrokes.value_or(0),
        row->element };
    if (isUsableCharacter(info)) {
        static_cast<CharacterInfo&>(slot) = std::move(info);
        slot.pinyin = row->pinyin2;
        slot.traditionalForm = row->traditionalForm;
    }
    return slot;
}

// A surname shows its own reading (单 shàn, 曾 zēng), not the usual reading of
// its characters: the reading of the whole surname, else that of each
// character as a single surname. Absent slots keep their empty pinyin.
void applySurnameReading(
    NameDatabase& db, const std::vector<std::string>& surname, std::array<AnalysedCharacter*, 2> slots)
{
    std::string whole;
    for (const std::string& c : surname)
        whole += c;
    const std::vector<std::string> reading = surnameReading(db, whole);
    for (std::size_t i = 0; i < 2 && i < surname.size(); ++i) {
        if (slots[i]->pinyin.empty()) continue;
        if (reading.size() == surname.size()) {
            slots[i]->pinyin = reading[i];
        } else if (surname.size() > 1) {
            const std::vector<std::string> own = surnameReading(db, surname[i]);
            if (own.size() == 1) slots[i]->pinyin = own[0];
        }
    }
}

GridReading readGrid(NameDatabase& db, int number)
{
    GridReading r;
    r.number = number;
    r.element = std::string(elementOfNumber(number));
    // Past 81 the grade and texts are those of the number counted on from 1.
    const NumberFortune f = FortuneRepository(db).find(fortuneTableNumber(number)).value_or(NumberFortune {});
    r.grade = f.grade;
    r.summary = f.explanation1 + "(" + f.explanation3 + ")";
    // The table's 健康 and 含义 texts are shown under each other's label; the
    // report has always read that way.
    r.detail = f.explanation2 + "<BR>基业:" + f.foundation + "<BR>家庭:" + f.family + "<BR>健康:" + f.meaning
        + "<BR>含义:" + f.health;
    r.hints = f.hints;
    replaceAll(r.hints, "|", "<BR>");
    return r;
}

void readThreeTalents(NameDatabase& db, NameAnalysis& a)
{
    static constexpr const char* kLabels[12]
        = { "1、总论:", "<BR>2、性格:", "<BR>3、意志:", "<BR>4、事业:", "<BR>5、家庭:", "<BR>6、婚姻:", "<BR>7、子女:",
              "<BR>8、社交:", "<BR>9、精神:", "<BR>10、财运:", "<BR>11、健康:", "<BR>12、老运:" };
    const ThreeTalentsReading r = ThreeTalentsRepository(db).find(a.grids.三才).value_or(ThreeTalentsReading {});
    a.threeTalentsGrade = r.grade;
    a.threeTalentsSummary = r.explanation1;
    const std::string* aspects[12] = { &r.overview, &r.character, &r.will, &r.career, &r.family, &r.marriage,
        &r.children, &r.social, &r.spirit, &r.wealth, &r.health, &r.oldAge };
    a.threeTalentsDetail.clear();
    for (std::size_t i = 0; i < 12; ++i)
        a.threeTalentsDetail += kLabels[i] + *aspects[i];
    a.influences = { r.onFoundation, r.onSuccess, r.onRelations, r.onCharacter };
}

// "{" + a + b + "}", built by appending (GCC 12 warns falsely on a chain of +).
std::string braced(std::string_view a, std::string_view b = {})
{
    std::string out = "{";
    out.append(a).append(b).append("}");
    return out;
}

// The twelve report values of a part (surname or given name), field by
// field, the first character before the second. The second character's
// values are empty when the part has at most one character, so the table
// shows blank cells rather than 0.
void addPart(std::vector<Placeholder>& out, const std::string& part, const std::array<const AnalysedCharacter*, 2>& c,
    const std::array<std::string, 2>& typed, bool secondUsed)
{
    const std::string slot[2] = { part + "1", part + "2" };
    const auto add = [&](std::string_view prefix, std::string_view suffix, auto value) {
        for (std::size_t i = 0; i < 2; ++i) {
            const bool used = i == 0 || secondUsed;
            std::string text = used ? value(*c[i], typed[i]) : std::string();
            out.push_back({ braced(prefix, slot[i] + std::string(suffix)), std::move(text) });
        }
    };
    using C = AnalysedCharacter;
    using T = std::string;
    add("简体", "", [](const C&, const T& t) { return htmlEscape(t); });
    add("繁体", "", [](const C& x, const T&) { return x.traditionalForm; });
    add("简体", "笔划", [](const C& x, const T&) { return decimal(x.simplifiedStrokes); });
    add("繁体", "笔划", [](const C& x, const T&) { return decimal(x.traditionalStrokes); });
    add("", "五行", [](const C& x, const T&) { return x.element; });
    add("", "拼音", [](const C& x, const T&) { return x.pinyin; });
}

} // namespace

std::array<Fortune, 6> NameAnalysis::grades() const
{
    return { readings[0].grade, readings[1].grade, readings[2].grade, readings[3].grade, readings[4].grade,
        threeTalentsGrade };
}

NameAnalysis analyseName(NameDatabase& db, const std::string& surname, const std::string& given, std::string_view sex)
{
    NameAnalysis a;
    a.surnameCharacters = splitCharacters(surname);
    a.givenCharacters = splitCharacters(given);
    const auto& s = a.surnameCharacters;
    const auto& g = a.givenCharacters;
    if (!s.empty()) a.S1 = lookUpAnalysedCharacter(db, s[0]);
    if (s.size() >= 2) a.S2 = lookUpAnalysedCharacter(db, s[1]);
    if (!g.empty()) a.G1 = lookUpAnalysedCharacter(db, g[0]);
    if (g.size() >= 2) a.G2 = lookUpAnalysedCharacter(db, g[1]);
    // The single surname 于 is counted by its simplified strokes.
    if (s.size() == 1 && s[0] == "于" && isUsableCharacter(a.S1)) a.S1.traditionalStrokes = a.S1.simplifiedStrokes;
    if (!s.empty()) applySurnameReading(db, s, { &a.S1, &a.S2 });

    NameLayout layout;
    layout.surnameLength = static_cast<int>(s.size());
    layout.givenLength = static_cast<int>(g.size());
    layout.S1 = a.S1;
    layout.S2 = a.S2;
    layout.G1 = a.G1;
    layout.G2 = a.G2;
    a.grids = computeFiveGrids(layout);

    const int numbers[5] = { a.grids.天格, a.grids.人格, a.grids.地格, a.grids.总格, a.grids.外格 };
    for (std::size_t i = 0; i < 5; ++i)
        a.readings[i] = readGrid(db, numbers[i]);
    readThreeTalents(db, a);

    std::array<int, 6> percents {};
    const auto grades = a.grades();
    for (std::size_t i = 0; i < 6; ++i)
        percents[i] = gradePercent(grades[i]);
    const int hundredths = weightedHundredths(percents);
    a.exactScore = hundredths / 100.0;
    a.score = hundredths / 100;
    a.verdict = std::string(verdictOf(a.exactScore));
    a.cautions = NameAdvisor::load(db, { surname, given }).cautions(surname, given, sex);
    return a;
}

std::string cautionsHtml(const std::vector<Caution>& cautions)
{
    if (cautions.empty()) return "没有发现需要提醒的地方：字义、读音和声调都未见不妥。";
    std::string html;
    for (const Caution& c : cautions)
        html += "<span class=\"red\">" + htmlEscape(c.kind) + "</span>：" + htmlEscape(c.text) + "<br>";
    return html;
}

std::vector<Placeholder> reportValues(const NameAnalysis& a)
{
    const auto at
        = [](const std::vector<std::string>& list, std::size_t i) { return i < list.size() ? list[i] : std::string(); };
    std::vector<Placeholder> values;
    values.reserve(64);
    const auto& s = a.surnameCharacters;
    const auto& g = a.givenCharacters;
    addPart(values, "姓氏", { &a.S1, &a.S2 }, { at(s, 0), at(s, 1) }, !a.singleSurname());
    addPart(values, "名字", { &a.G1, &a.G2 }, { at(g, 0), at(g, 1) }, !a.singleGiven());
    // The report fills 人格 first, then 天格, 地格, 总格 and 外格.
    static constexpr std::size_t kOrder[5] = { 1, 0, 2, 3, 4 };
    static constexpr const char* kGrid[5] = { "天格", "人格", "地格", "总格", "外格" };
    const auto perGrid = [&](const char* suffix, auto field) {
        for (std::size_t i : kOrder)
            values.push_back({ braced(kGrid[i], suffix), field(a.readings[i]) });
    };
    perGrid("", [](const GridReading& r) { return fortuneNumberText(r.number); });
    perGrid("五行", [](const GridReading& r) { return r.element; });
    perGrid("吉凶", [](const GridReading& r) { return r.grade; });
    perGrid("释义", [](const GridReading& r) { return r.detail; });
    perGrid("总论", [](const GridReading& r) { return r.summary; });
    perGrid("数理暗示", [](const GridReading& r) { return r.hints; });
    values.push_back({ "{三才}", a.grids.三才 });
    values.push_back({ "{三才吉凶}", a.threeTalentsGrade });
    values.push_back({ "{三才总论}", a.threeTalentsSummary });
    values.push_back({ "{三才释义}", a.threeTalentsDetail });
    values.push_back({ "{基础运}", a.influences[0] });
    values.push_back({ "{成功运}", a.influences[1] });
    values.push_back({ "{人际关系}", a.influences[2] });
    values.push_back({ "{性格}", a.influences[3] });
    values.push_back({ "{总分建议}", a.verdict });
    values.push_back({ "{评分总分}", decimal(a.score) });
    // Last, so that nothing typed is taken for a placeholder.
    values.push_back({ "{起名提示}", cautionsHtml(a.cautions) });
    return values;
}

std::string reportPage(const NameAnalysis& analysis)
{
    return fillPlaceholders(std::string(embeddedResource("templates/report.html")), reportValues(analysis));
}

bool writeReportPage(const NameAnalysis& analysis, const std::filesystem::path& directory)
{
    return writeGbkPage(pageFilePath(directory, 0), reportPage(analysis)).ok();
}

int analyseName(NameDatabase& db, const std::string& surname, const std::string& given, NameAnalysis& analysis,
    const std::filesystem::path& directory)
{
    analysis = analyseName(db, surname, given);
    writeReportPage(analysis, directory);
    return analysis.score;
}

} // namespace jm
