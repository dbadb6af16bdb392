#include "generate/EnglishMode.h"
#include "data/Bootstrap.h"
#include "generate/GenerationWorker.h"
#include "generate/QueuedGenerationSink.h"
#include "support/FixtureDatabase.h"

#include <gtest/gtest.h>

using namespace jm;
using jm::test::FixtureBuilder;
using jm::test::TempDir;

namespace {

class EnglishMode : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new TempDir;
        s_db = new NameDatabase;
        FixtureBuilder b = FixtureBuilder::standard();
        b.character({ "才", 3, 3, "金", "cai", "才", "c" });
        b.character({ "陈", 7, 16, "火", "chen", "陳", "CH" }); // upper case as some rows store it
        int id = 1;
        const auto name = [&](const char* i1, const char* i2, const char* n, int sex) {
            const std::string s = std::to_string(id++);
            b.row("NM_EName",
                { s, i1, i2, n, "4", std::to_string(sex), n + std::string("读音"), "全名", "英语",
                    n + std::string("含义") });
        };
        name("m", "", "Mark", 1);
        name("m", "", "Mary", 2);
        name("c", "ch", "Charles", 1);
        name("m", "", "Mike", 1);
        name("c", "", "Carl", 1);
        name("s", "sh", "Shane", 1);
        name("s", "", "Sam", 1);
        name("i", "", "Ian", 1);
        name("c", "ch", "Chris", 3);
        name("t", "th", "Thomas", 1);
        name("s", "", "Sidney", 3);
        name("j", "", "Joe", 1);
        name("j", "", "Jonathan", 1);
        name("c", "ch", "Chase", 2);
        b.character({ "则", 6, 9, "金", "ze", "則", "z" });
        b.character({ "哲", 10, 10, "火", "zhe", "哲", "zh" });
        const auto file = b.write(s_dir->path() / "english.db");
        ASSERT_TRUE(bootstrapDatabase(*s_db, file.string()).ok());
    }
    static void TearDownTestSuite()
    {
        delete s_db;
        delete s_dir;
    }
    static GenerationResult run(
        const std::string& given, int style, GenerationSink& sink, int minLength = 0, int maxLength = 0)
    {
        GenerationRequest r;
        r.mode = GenerationMode::English;
        r.surname = "李";
        r.english = { "李", given, style, minLength, maxLength };
        RunControl control;
        return GenerationWorker(*s_db, control).run(r, sink);
    }
    static std::vector<std::string> listed(
        const std::string& given, int style = 1, int minLength = 0, int maxLength = 0)
    {
        GenerationSink sink;
        std::vector<std::string> names;
        for (const EnglishRow& row : run(given, style, sink, minLength, maxLength).englishRows)
            names.push_back(row[EnglishRow::Name]);
        return names;
    }

    static TempDir* s_dir;
    static NameDatabase* s_db;
};
TempDir* EnglishMode::s_dir = nullptr;
NameDatabase* EnglishMode::s_db = nullptr;

} // namespace

TEST_F(EnglishMode, InitialFromTheFirstCharacterMappedByTheTable)
{
    struct Case {
        const char* character;
        const char* pinyinInitial;
        const char* english;
    };
    const Case cases[] = {
        { "明", "m", "m" }, { "强", "q", "ch" }, { "安", "a", "i" }, // 安 has no 声母: first letter of 拼音1
        { "诸", "zh", "j" }, { "才", "c", "s" }, { "陈", "ch", "ch" }, { "鑫", "", "" }, // 鑫 is not in the table
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.character);
        EXPECT_EQ(pinyinInitial(*s_db, c.character), c.pinyinInitial);
        EXPECT_EQ(englishInitial(c.pinyinInitial), c.english);
    }
    for (const auto& [from, to] : std::vector<std::pair<const char*, const char*>> { { "a", "i" }, { "c", "s" },
             { "j", "g" }, { "k", "ch" }, { "o", "a" }, { "q", "ch" }, { "x", "sh" }, { "y", "e" }, { "z", "th" },
             { "zh", "j" }, { "ch", "ch" }, { "b", "b" }, { "", "" } })
        EXPECT_EQ(englishInitial(from), to) << from;
    EXPECT_EQ(englishInitials("z"), (std::vector<std::string> { "th", "s" }));
    EXPECT_EQ(englishInitials("zh"), (std::vector<std::string> { "j", "ch" }));
    EXPECT_EQ(englishInitials("m"), (std::vector<std::string> { "m" }));
}

TEST_F(EnglishMode, NextNearestInitialOnlyWhenTheNearestListsNothing)
{
    EXPECT_EQ(listed("则"), (std::vector<std::string> { "Thomas" }));
    EXPECT_EQ(listed("则", 3), (std::vector<std::string> { "Sidney" })) << "no th name of style 3: s";
    EXPECT_EQ(listed("哲"), (std::vector<std::string> { "Joe", "Jonathan" }));
    EXPECT_EQ(listed("哲", 2), (std::vector<std::string> { "Chase" })) << "no j name of style 2: ch";
    EXPECT_TRUE(listed("明", 3).empty()) << "m has no next initial";
}

TEST_F(EnglishMode, LengthBoundsFilterTheList)
{
    EXPECT_EQ(listed("哲", 1, 4, 8), (std::vector<std::string> { "Jonathan" }));
    EXPECT_EQ(listed("哲", 1, 3, 3), (std::vector<std::string> { "Joe" }));
    EXPECT_EQ(listed("哲", 1, 8, 3), (std::vector<std::string> { "Joe", "Jonathan" })) << "bounds read either way";
    EXPECT_EQ(listed("哲", 1, 0, 5), (std::vector<std::string> { "Joe" }));
    EXPECT_EQ(listed("明", 1, 5, 0), (std::vector<std::string> {}));
    const struct {
        std::size_t letters;
        int min, max;
        bool fits;
    } cases[] = { { 2, 0, 0, true }, { 2, 3, 8, false }, { 9, 3, 8, false }, { 3, 3, 8, true }, { 8, 3, 8, true },
        { 5, 8, 3, true }, { 12, 0, 12, true } };
    for (const auto& c : cases)
        EXPECT_EQ(englishLengthFits(c.letters, c.min, c.max), c.fits) << c.letters << " " << c.min << "-" << c.max;
}

TEST_F(EnglishMode, ListsTheNamesOfTheKeyAndStyleInTableOrder)
{
    EXPECT_EQ(listed("明华"), (std::vector<std::string> { "Mark", "Mike" }));
    EXPECT_EQ(listed("明", 2), (std::vector<std::string> { "Mary" }));
    // A two-letter EIndex2 is the key: "ch" rows answer ch, never c or s.
    EXPECT_EQ(listed("强"), (std::vector<std::string> { "Charles" }));
    EXPECT_EQ(listed("陈", 3), (std::vector<std::string> { "Chris" }));
    EXPECT_EQ(listed("才"), (std::vector<std::string> { "Sam" })) << "c maps to s; Shane's key is sh";
    EXPECT_EQ(listed("安"), (std::vector<std::string> { "Ian" }));
    EXPECT_TRUE(listed("鑫").empty());
    EXPECT_TRUE(listed("").empty());
}

TEST_F(EnglishMode, RowsReachTheQueuedSinkNumberedFromOneEveryRun)
{
    for (int pass = 0; pass < 2; ++pass) {
        QueuedGenerationSink sink;
        const GenerationResult result = run("明", 1, sink);
        std::vector<EnglishRow> delivered;
        for (auto& event : sink.drain())
            if (auto* rows = std::get_if<generation_event::EnglishRows>(&event)) {
                EXPECT_EQ(rows->firstRow, delivered.size());
                delivered.insert(delivered.end(), rows->rows.begin(), rows->rows.end());
            }
        ASSERT_EQ(delivered, result.englishRows);
        ASSERT_EQ(delivered.size(), 2u);
        EXPECT_EQ(delivered[0].columns, (std::array<std::string, 4> { "1", "Mark", "Mark读音", "Mark含义" }));
        EXPECT_EQ(delivered[1][EnglishRow::Number], "2");
        EXPECT_TRUE(result.rows().empty());
    }
}

TEST(PronunciationAddress, TextAfterTheMarkerUpToTheNextMp3)
{
    struct Case {
        std::string page;
        std::string want;
    };
    const Case cases[] = {
        { R"(<p><a href="#" url="http://x/y/Mary.mp3">play</a>)", "http://x/y/Mary.mp3" },
        { R"(a.mp3 <a href="#" url="/v/1.mp3"> <a href="#" url="/v/2.mp3">)", "/v/1.mp3" },
        { R"(<a href="#" url="/v/a.mp3.mp3">)", "/v/a.mp3" },
        { R"(<a href="#" url=".mp3")", ".mp3" },
        { R"(<a href="#" url="/v/no-suffix">)", "" },
        { R"(<a href="#"  url="/v/1.mp3">)", "" }, // two spaces: not the marker
        { R"(<a href="#" url=)", "" },
        { "", "" },
        { std::string("<a href=\"#\" url=\"\0x.mp3", 23), std::string("\0x.mp3", 6) },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        EXPECT_EQ(pronunciationAddress(c.page), c.want);
    }
}

TEST(PronunciationSearchUrl, NamePercentEncodedAfterTheBase)
{
    EXPECT_EQ(pronunciationSearchUrl("http://127.0.0.1:8080", "Mary"), "http://127.0.0.1:8080/s?wd=Mary");
    EXPECT_EQ(pronunciationSearchUrl("http://h/dict/", "Mary Ann"), "http://h/dict/s?wd=Mary%20Ann");
    EXPECT_EQ(pronunciationSearchUrl("http://h", "Zoë&x=1#"), "http://h/s?wd=Zo%C3%AB%26x%3D1%23");
}
