// The super-lucky, combination, nickname and classic modes, and the exports.
#include "data/Bootstrap.h"
#include "generate/CandidatePipeline.h"
#include "generate/CharacterLists.h"
#include "generate/ClassicMode.h"
#include "generate/CombinationMode.h"
#include "generate/GenerationWorker.h"
#include "generate/NicknameMode.h"
#include "generate/ResultExport.h"
#include "generate/SuperLuckyMode.h"
#include "settings/Paths.h"
#include "support/FixtureDatabase.h"
#include "support/ListFixture.h"
#include "text/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <set>

using namespace jm;
using jm::test::TempDir;

namespace {

struct RecordingSink : GenerationSink {
    std::vector<GenerationMessage> messages;
    std::vector<std::string> texts;
    std::size_t prepared = 0;
    std::size_t lastExamined = 0, lastTotal = 0, progressReports = 0;
    void onEvent(GenerationEvent& event) override
    {
        namespace ev = generation_event;
        if (const auto* e = std::get_if<ev::Message>(&event)) messages.push_back(e->message);
        if (const auto* e = std::get_if<ev::ListPrepared>(&event)) prepared = e->rowCount;
        if (const auto* e = std::get_if<ev::Progress>(&event)) {
            EXPECT_GE(e->examined, lastExamined);
            lastExamined = e->examined;
            lastTotal = e->total;
            ++progressReports;
        }
        if (const auto* e = std::get_if<ev::Text>(&event)) texts.push_back(e->text);
    }
};

CharacterInfo rawCharacter(NameDatabase& db, const std::string& ch)
{
    Statement st = db.query("select 简体笔画数, 繁体笔画数, 五行属性 from NM_CNWord where 汉字=?", { ch });
    CharacterInfo info { ch, db.columnInt(st, 0), db.columnInt(st, 1), db.columnText(st, 2) };
    db.finalize(st);
    return info;
}

std::multiset<std::string> namesOf(const GenerationResult& result)
{
    std::multiset<std::string> out;
    for (const auto& row : result.rows())
        out.insert(row[NameRow::Name]);
    return out;
}

void expectSortedAndNumbered(const GenerationResult& result)
{
    for (std::size_t r = 0; r < result.rowCount(); ++r) {
        ASSERT_EQ(result.row(r)[NameRow::Number], std::to_string(r + 1));
        if (r) {
            ASSERT_LE(result.row(r).sortKey, result.row(r - 1).sortKey);
        }
    }
}

class GenerationModes : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new TempDir;
        s_db = new NameDatabase;
        ASSERT_TRUE(bootstrapDatabase(*s_db, jm::test::listFixture().write(s_dir->path() / "l.db").string()).ok());
    }
    static void TearDownTestSuite()
    {
        delete s_db;
        delete s_dir;
    }
    static GenerationResult generate(const GenerationRequest& request, RecordingSink& sink)
    {
        RunControl control;
        return GenerationWorker(*s_db, control).run(request, sink);
    }
    static GenerationRequest request(
        GenerationMode mode, const std::string& surname, const std::string& sex = "男", int length = 2)
    {
        GenerationRequest r;
        r.showAllNames = true; // the literal lists of the modes; the default lists: NameFilterTest
        r.mode = mode;
        r.surname = surname;
        r.sex = sex;
        r.nameLength = length;
        r.seed = 17;
        return r;
    }
    /// The usable characters of a built-in list with an element in `set`.
    static std::vector<std::string> usableWith(std::string_view list, std::string_view set)
    {
        std::vector<std::string> out;
        for (const auto& c : splitCharacters(list)) {
            const CharacterInfo info = rawCharacter(*s_db, c);
            if (isUsableCharacter(info) && set.find(info.element) != std::string_view::npos) out.push_back(c);
        }
        return out;
    }
    static TempDir* s_dir;
    static NameDatabase* s_db;
};
TempDir* GenerationModes::s_dir = nullptr;
NameDatabase* GenerationModes::s_db = nullptr;

ElementFilterGroup on(const std::string& elements = {})
{
    return { true, elements };
}

} // namespace

TEST(SuperLucky, ElementSetsAndThresholds)
{
    SuperLuckyOptions o;
    ElementSets s = ElementSets::from(o);
    EXPECT_EQ(s.second, "金木水火土") << "a group switched off allows every element";
    EXPECT_EQ(s.mustNot, "") << "and forbids none";
    o.secondCharacter = on();
    o.thirdCharacter = { false, "金" }; // boxes keep their state while the switch is off
    o.allMustHave = on("金水");
    o.noneMayHave = on();
    s = ElementSets::from(o);
    EXPECT_EQ(s.second, "金木水火土") << "switch on with no box checked: all five";
    EXPECT_EQ(s.third, "金木水火土");
    EXPECT_EQ(s.mustHave, "金水");
    EXPECT_EQ(s.mustNot, "");
    o.noneMayHave = on("火");
    EXPECT_EQ(ElementSets::from(o).mustNot, "火");
    EXPECT_FALSE(ElementSets::contains("金木水火土", "")) << "no element belongs to no set";

    const std::map<std::string, int> table
        = { { "大凶", 96 }, { "凶", 98 }, { "中", 99 }, { "吉", 100 }, { "大吉", 100 }, { "", 0 }, { "半吉", 0 } };
    for (const auto& [grade, threshold] : table)
        EXPECT_EQ(superLuckyThreshold(grade), threshold) << grade;
}

TEST_F(GenerationModes, SuperLuckyFiltersDecideTheCandidates)
{
    const std::string usableAll = "金木水火土";
    const std::size_t all = usableWith(maleCharacters(), usableAll).size() + 1; // 张 is usable and appended
    const std::size_t metal = usableWith(maleCharacters(), "金").size();
    const std::size_t wood = usableWith(maleCharacters(), "木").size();
    const std::size_t noMetal = usableWith(maleCharacters(), "木水火土").size() + 1; // 张 is 火
    struct Case {
        const char* what;
        SuperLuckyOptions options;
        std::size_t candidates;
    };
    SuperLuckyOptions none, mustAny, mustNotAny, clash, mustNotMetal, positions, secondOnly, both;
    mustAny.allMustHave = on();
    mustNotAny.noneMayHave = on();
    clash.allMustHave = on("金");
    clash.noneMayHave = on("金");
    mustNotMetal.noneMayHave = on("金");
    positions.secondCharacter = on("金");
    positions.thirdCharacter = on("木");
    secondOnly.secondCharacter = on("金");
    both = positions; // position switches take precedence over the all-character ones
    both.allMustHave = on("水");
    const Case cases[] = {
        { "no switch: nothing", none, 0 },
        { "must-have with no box: all five elements", mustAny, all * all },
        { "none-may-have with no box removes nothing", mustNotAny, all * all },
        { "must-have and must-not on the same element: nothing", clash, 0 },
        { "none-may-have 金", mustNotMetal, noMetal * noMetal },
        { "second 金, third 木", positions, metal * wood },
        { "second 金, third switched off: any element", secondOnly, metal * all },
        { "position and all-character switches together", both, metal * wood },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto r = request(GenerationMode::SuperLucky, "张", "男", 1); // the length box does not matter
        r.superLucky = c.options;
        r.generationCharacter = { GenerationCharacterSetting::Kind::Second, "诸", "" }; // nor does this
        RecordingSink sink;
        const GenerationResult result = generate(r, sink);
        EXPECT_EQ(result.candidateCount, c.candidates);
        EXPECT_EQ(result.candidateCharacters.size(), splitCharacters(maleCharacters()).size() + 1);
        EXPECT_EQ(sink.lastExamined, result.examinedCount) << "progress reaches the end";
        EXPECT_EQ(sink.lastTotal, c.candidates);
        if (c.candidates > 100000) {
            EXPECT_GT(sink.progressReports, 10u) << "a long run reports its progress as it goes";
        }
        for (const auto& row : result.rows()) {
            ASSERT_EQ(splitCharacters(row[NameRow::Name]).size(), 3u) << row[NameRow::Name];
            ASSERT_EQ(row[NameRow::Name].find("张", 3), std::string::npos);
        }
    }
}

TEST_F(GenerationModes, SuperLuckyThresholdFollowsTheSurnamesHeavenGrid)
{
    // A surname per heaven-grid grade: single characters (heaven = strokes + 1)
    // and pairs (heaven = the sum of both strokes), which the run must look
    // up character by character before it can grade the surname.
    std::map<std::string, std::string> surnameOfGrade;
    const auto female = splitCharacters(femaleCharacters());
    for (std::size_t i = 0; i < 40; ++i) {
        const int a = rawCharacter(*s_db, female[i]).traditionalStrokes;
        surnameOfGrade.try_emplace(fortuneOfNumber(*s_db, a + 1), female[i]);
        for (std::size_t j = 0; j < 40; ++j)
            surnameOfGrade.try_emplace(
                fortuneOfNumber(*s_db, a + rawCharacter(*s_db, female[j]).traditionalStrokes), female[i] + female[j]);
    }
    ASSERT_EQ(surnameOfGrade.size(), 4u) << "the fixture grades numbers 大吉, 吉, 中 and 凶";
    for (const auto& [grade, surname] : surnameOfGrade) {
        SCOPED_TRACE(grade + " " + surname);
        auto r = request(GenerationMode::SuperLucky, surname, "女");
        r.superLucky.secondCharacter = on("金木");
        r.superLucky.thirdCharacter = on("水");
        RecordingSink sink;
        const GenerationResult result = generate(r, sink);
        const int threshold = superLuckyThreshold(grade);
        // The plain computation: every pair of the filtered characters, scored whole.
        CharacterTable table;
        for (const auto& c : result.candidateCharacters)
            table.append(rawCharacter(*s_db, c));
        for (const auto& c : splitCharacters(surname))
            if (!table.find(c)) table.append(rawCharacter(*s_db, c));
        NameScorer scorer(*s_db, table);
        std::multiset<std::string> want;
        const auto second = usableWith(femaleCharacters(), "金木");
        const auto third = usableWith(femaleCharacters(), "水");
        for (const auto& a : second)
            for (const auto& b : third)
                if ((a + b).find(surname) == std::string::npos && scorer.scoreName(surname, a + b).score >= threshold)
                    want.insert(surname + a + b);
        EXPECT_EQ(namesOf(result), want);
        EXPECT_EQ(sink.prepared, kSuperLuckyCapacity + 1);
        expectSortedAndNumbered(result);
        if (threshold == 100) {
            for (const auto& row : result.rows())
                ASSERT_EQ(row[NameRow::Score], "100");
        }
    }
}

TEST_F(GenerationModes, SuperLuckyWithoutGradeListsUpToTheCapacity)
{
    // An empty surname has no heaven grade: threshold 0, every candidate counts.
    auto r = request(GenerationMode::SuperLucky, "");
    r.superLucky.allMustHave = on();
    RecordingSink sink;
    const GenerationResult result = generate(r, sink);
    EXPECT_EQ(result.rowCount(), kSuperLuckyCapacity);
    EXPECT_EQ(result.examinedCount, kSuperLuckyCapacity) << "scoring stops at the capacity";
    expectSortedAndNumbered(result);
}

TEST(Combination, KeepHanziAndIsHanzi)
{
    const std::pair<const char*, const char*> kept[] = {
        { "李 明A1华", "李明华" },
        { "　圣，诚。杰!", "圣诚杰" }, // full-width space and punctuation
        { "喆堃明", "明" }, // GBK-only characters are outside GB2312's block
        { "明😀明", "明明" }, // repeats stay; non-GBK characters go
        { "", "" },
    };
    for (const auto& [in, out] : kept)
        EXPECT_EQ(keepHanzi(in), out) << in;
    const std::pair<const char*, bool> hanzi[] = {
        { "明", true },
        { " 　明", true },
        { "明abc", true },
        { "a明", false },
        { "", false },
        { "　", false },
        { "，", false },
        { "啊", true },
        { "齄", true },
        { "丂", false },
    };
    for (const auto& [in, yes] : hanzi)
        EXPECT_EQ(isHanzi(in), yes) << in;
}

TEST_F(GenerationModes, CombinationUsesTheTypedHanziAndTheSurname)
{
    auto r = request(GenerationMode::Combination, "王");
    r.combination.characters = "李 明A1华";
    RecordingSink sink;
    GenerationResult result = generate(r, sink);
    EXPECT_EQ(result.candidateCharacters, (std::vector<std::string> { "李", "明", "华", "王" }));
    EXPECT_EQ(namesOf(result),
        (std::multiset<std::string> {
            "王李李", "王李明", "王李华", "王明李", "王明明", "王明华", "王华李", "王华明", "王华华" }));
    expectSortedAndNumbered(result);

    // A typed surname is not appended again; a repeated character forms its pairs once.
    r.combination.characters = "明王明";
    RecordingSink repeated;
    result = generate(r, repeated);
    EXPECT_EQ(result.candidateCharacters, (std::vector<std::string> { "明", "王" }));
    EXPECT_EQ(namesOf(result), (std::multiset<std::string> { "王明明" }));

    r = request(GenerationMode::Combination, "王", "男", 1);
    r.combination.characters = "李丁明";
    RecordingSink one;
    result = generate(r, one);
    EXPECT_EQ(namesOf(result), (std::multiset<std::string> { "王李", "王明" })) << "丁 has no element";
    ASSERT_EQ(one.messages.size(), 1u);
    EXPECT_EQ(one.messages[0].text, "一字名数理得分较低,所以软件自动降低评分标准!");
}

TEST_F(GenerationModes, NicknamePatterns)
{
    const auto all = splitCharacters(nicknameCharacters());
    ASSERT_EQ(all.size(), 2827u);
    std::multiset<std::string> usable;
    for (const auto& c : all)
        if (isUsableCharacter(rawCharacter(*s_db, c))) usable.insert(c);

    struct Case {
        NicknamePattern pattern;
        const char* surname;
        std::function<std::string(const std::string&)> form;
    };
    const Case cases[] = {
        { NicknamePattern::AA, "明", [](const std::string& a) { return a + a; } },
        { NicknamePattern::AEr, "张", [](const std::string& a) { return a + "儿"; } },
        { NicknamePattern::AhA, "张", [](const std::string& a) { return "阿" + a; } },
        { NicknamePattern::XiaoA, "张", [](const std::string& a) { return "小" + a; } },
        { NicknamePattern::XiaoA, "小", nullptr }, // every nickname contains the surname
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(nicknameFor(c.pattern, "A") + " " + c.surname);
        auto r = request(GenerationMode::Nickname, c.surname, "女", 1); // sex and length do not matter
        r.nickname.pattern = c.pattern;
        RecordingSink sink;
        const GenerationResult result = generate(r, sink);
        std::multiset<std::string> want;
        if (c.form)
            for (const auto& a : usable)
                if (c.form(a).find(c.surname) == std::string::npos) want.insert(c.surname + c.form(a));
        EXPECT_EQ(namesOf(result), want);
        EXPECT_TRUE(sink.messages.empty());
        expectSortedAndNumbered(result);
    }
    EXPECT_EQ(nicknameFor(NicknamePattern::AA, "明"), "明明");
    // 伊 is in both lists: its nickname is listed twice.
    auto r = request(GenerationMode::Nickname, "张");
    r.nickname.pattern = NicknamePattern::AhA;
    RecordingSink sink;
    EXPECT_EQ(namesOf(generate(r, sink)).count("张阿伊"), 2u);
}

TEST(ClassicLists, FormAndCounts)
{
    struct Case {
        std::string_view list;
        std::size_t count;
        const char* head;
        const char* tail;
    };
    const Case cases[] = {
        { maleGivenNames(), 2910, "博涛,鑫磊,靖琪,越泽,浩南,", "博玄,彬元,世羽,苑杰,翰波," },
        { femaleGivenNames(), 2134, "梦璐,熙雯,莉姿,煜婷,丹华,", "素花,青茜,瑜菱,芷纹,晓梅," },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.head);
        EXPECT_TRUE(c.list.starts_with(c.head));
        EXPECT_TRUE(c.list.ends_with(c.tail));
        const auto entries = splitNameList(c.list);
        ASSERT_EQ(entries.size(), c.count);
        for (const auto& e : entries)
            ASSERT_EQ(splitCharacters(e).size(), 2u) << e;
        EXPECT_EQ(std::set<std::string>(entries.begin(), entries.end()).size(), c.count) << "no repeats";
    }
    EXPECT_EQ(splitCharacters(malePleasantCharacters()).size(), 841u);
    EXPECT_EQ(splitCharacters(femalePleasantCharacters()).size(), 294u);
    EXPECT_EQ(splitNameList("甲乙,丙丁,"), (std::vector<std::string> { "甲乙", "丙丁" }));
}

TEST_F(GenerationModes, ClassicTextRows)
{
    struct Case {
        const char* sex;
        int length;
        std::size_t names, perRow, lastRow;
        const char* separator;
    };
    const Case cases[] = { { "男", 2, 2910, 14, 12, "  " }, { "女", 1, 294, 16, 6, "   " },
        { "女", 2, 2134, 14, 6, "  " }, { "男", 1, 841, 16, 9, "   " } };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.sex) + std::to_string(c.length));
        auto r = request(GenerationMode::Classic, "欧阳", c.sex, c.length);
        RecordingSink sink;
        const GenerationResult result = generate(r, sink);
        ASSERT_EQ(sink.texts.size(), 1u);
        const std::string& text = sink.texts[0];
        EXPECT_EQ(result.text, text);
        EXPECT_TRUE(result.rows().empty());
        // Rows are separated by exactly one empty line; the last row has no line end.
        std::vector<std::string> rows;
        std::size_t begin = 0;
        for (std::size_t end; (end = text.find("\r\n\r\n", begin)) != std::string::npos; begin = end + 4)
            rows.push_back(text.substr(begin, end - begin));
        rows.push_back(text.substr(begin));
        ASSERT_EQ(rows.size(), (c.names + c.perRow - 1) / c.perRow);
        std::multiset<std::string> names;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const std::size_t want = i + 1 == rows.size() ? c.lastRow : c.perRow;
            ASSERT_EQ(rows[i].find('\n'), std::string::npos);
            ASSERT_TRUE(rows[i].ends_with(c.separator));
            const std::size_t cellBytes = 6 + 3 * static_cast<std::size_t>(c.length) + std::strlen(c.separator);
            ASSERT_EQ(rows[i].size(), want * cellBytes) << rows[i];
            for (std::size_t k = 0; k < want; ++k) {
                const std::string one = rows[i].substr(k * cellBytes, cellBytes);
                ASSERT_TRUE(one.starts_with("欧阳") && one.ends_with(c.separator)) << one;
                ASSERT_NE(one[cellBytes - std::string(c.separator).size() - 1], ' ');
                names.insert(one.substr(6, 3 * static_cast<std::size_t>(c.length)));
            }
        }
        const auto entries = classicEntries(c.sex, c.length);
        EXPECT_EQ(names, std::multiset<std::string>(entries.begin(), entries.end()));

        r.seed = 18; // another shuffle: the same names in another order
        RecordingSink again;
        const std::string other = generate(r, again).text;
        EXPECT_NE(other, text);
        EXPECT_EQ(other.size(), text.size());
    }
}

TEST(ResultExport, ListText)
{
    const std::string header = "编号    姓名    简体笔划    繁体笔划    五行    五格    三才    评分\r\n";
    EXPECT_EQ(resultListText({}), header) << "an empty list gives the header alone";

    std::vector<NameRow> rows(3);
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].columns
            = { std::to_string(i + 1), "张明" + std::to_string(i), "15", "19", "火火", "12,19,9,19,2", "木水水", "90" };
    const std::string line0 = "1    张明0    15    19    火火    12,19,9,19,2    木水水    90\r\n";
    // A paused list: three rows filled of 100001, the first empty row ends the export.
    const std::string paused = resultListText(rows, kSuperLuckyCapacity + 1);
    EXPECT_TRUE(paused.starts_with(header + line0));
    EXPECT_TRUE(paused.ends_with("90\r\n" + std::string(28, ' ') + "\r\n"));
    EXPECT_EQ(std::count(paused.begin(), paused.end(), '\n'), 5);

    rows.resize(10000, rows[0]);
    const std::string full = resultListText(rows);
    EXPECT_EQ(std::count(full.begin(), full.end(), '\n'), 10001);
    EXPECT_EQ(std::count(full.begin(), full.end(), '\r'), 10001);
}

TEST(ResultExport, FilesInTheDataDirectoryAreGbk)
{
    TempDir dir;
    const auto data = dir.path() / "data";
    ASSERT_EQ(setenv("JIAMING_DATA_DIR", data.c_str(), 1), 0);
    std::vector<NameRow> rows(1);
    rows[0].columns = { "1", "欧阳喆", "1", "2", "土土火", "1,2,3,4,5", "土土火", "77" };
    const Result<ExportedFile> list = exportResultList(rows, kSuperLuckyExportFile);
    ASSERT_TRUE(list) << list.error();
    EXPECT_EQ(list->path, data / "100NameList.txt");
    EXPECT_EQ(readFileBytes(list->path).value_or(""), toGbk(resultListText(rows)));
    EXPECT_NE(readFileBytes(list->path).value_or("").find("\xc5\xb7\xd1\xf4"), std::string::npos) << "欧阳 in GBK";

    const std::string text = "欧阳博涛  欧阳鑫磊  ";
    const Result<ExportedFile> classic = exportClassicText(text);
    ASSERT_TRUE(classic) << classic.error();
    EXPECT_EQ(classic->path, data / "ClassNameList.txt");
    EXPECT_EQ(readFileBytes(classic->path).value_or(""), toGbk(text));
    unsetenv("JIAMING_DATA_DIR");
}

TEST_F(GenerationModes, TooManyCharactersToCombineAreRefusedWithAMessage)
{
    // The built-in nickname list: 2,827 characters, 2,124 distinct ones.
    auto r = request(GenerationMode::Combination, "王");
    r.combination.characters = nicknameCharacters();
    RecordingSink sink;
    const GenerationResult result = generate(r, sink);
    EXPECT_TRUE(result.rows().empty());
    EXPECT_EQ(result.candidateCount, 0u);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_NE(sink.messages[0].text.find("最多只能组合" + std::to_string(kMaxCandidateCharacters) + "个不同的汉字"),
        std::string::npos)
        << sink.messages[0].text;

    // Exactly the ceiling still runs: the repeats of a long text do not count.
    const auto distinct = distinctCharacters(splitCharacters(keepHanzi(nicknameCharacters())));
    std::string text;
    for (std::size_t i = 0; i < kMaxCandidateCharacters - 1; ++i)
        text += distinct[i] + distinct[i];
    r.combination.characters = text;
    r.nameLength = 1;
    RecordingSink fits;
    EXPECT_FALSE(generate(r, fits).candidateCharacters.empty());
    for (const auto& m : fits.messages)
        EXPECT_EQ(m.text.find("最多只能组合"), std::string::npos);
}

TEST(ResultExport, CharactersOutsideGbkAreNoticed)
{
    const std::pair<const char*, bool> cases[] = {
        { "编号    张喆    Carl", false }, // 喆 is GBK (not GB2312)
        { "张𠀀", true }, // CJK extension B: four GB18030 bytes
        { "龘", false },
        { "😀", true },
        { "", false },
    };
    for (const auto& [text, outside] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(needsGb18030(text), outside);
    }
}
