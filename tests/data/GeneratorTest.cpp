// The database generator (tools/build_db.py) on small source folders: how the
// character facts, the element rule, its corrections and our authored texts
// combine, and that malformed authored files stop the build with their place.
#include "support/CliRunner.h"
#include "support/FixtureDatabase.h"

#include "data/NameDatabase.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;
using jm::test::shellQuote;
using jm::test::TempDir;

namespace {

const fs::path kSourceDir = fs::path(__FILE__).parent_path().parent_path().parent_path();

const char* kBaseHeader
    = "字\tcode\t繁体\t简体笔画数\t繁体笔画数\t拼音1\t拼音2\t声母\t韵母\t部首\t五笔\t康熙部首\t读音\t英文释义\t来源\n";
const char* kBaseRows = "安\t23433\t安\t6\t6\tan\tān\t\tan\t宀\tpvf\t40\tān\tpeace, tranquility\tGB2312\n"
                        "家\t23478\t家\t10\t10\tjia\tjiā\tj\tia\t宀\tpeu\t40\tjiā jie\thouse & <home>\tGB2312\n"
                        "春\t26149\t春\t9\t9\tchun\tchūn\tch\tun\t日\tdwjf\t72\tchūn\tspring\tGB2312\n"
                        "月\t26376\t月\t4\t4\tyue\tyuè\ty\tue\t月\teeee\t74\tyuè\tmoon\tGB2312\n"
                        "哲\t21746\t哲\t10\t10\tzhe\tzhé\tzh\te\t口\trrkf\t30\tzhé\twise\tGB2312\n"
                        "海\t28023\t海\t10\t11\thai\thǎi\th\tai\t水\titxu\t85\thǎi\tsea, ocean\tGB2312,名字表\n"
                        "燨\t29160\t燨\t17\t17\txi\txī\tx\ti\t火\tougt\t86\txī\t\t名字表\n";
const char* kCharactersHeader = "字\t五行\t基本解释\t详细解释\n";
const char* kNumbersHeader = "Id\t吉凶\t解释一\t解释二\t解释三\t基业\t家庭\t健康\t含义\t数理暗示\n";
const char* kTalentsHeader
    = "三才\t吉凶\t解释一\t解释二\t总论\t性格\t意志\t事业\t家庭\t婚姻\t子女\t社交\t精神\t财运\t健康\t老运\t"
      "对基础运的影响\t对成功运的影响\t对人际关系的影响\t对性格的影响\n";

void writeText(const fs::path& file, const std::string& text)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

std::string cells(const std::string& first, int count, const std::string& mark = "文")
{
    std::string line = first;
    for (int i = 1; i <= count; ++i)
        line += "\t" + mark + std::to_string(i);
    return line + "\n";
}

std::string repeated(const std::string& piece, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += piece;
    return text;
}

using GeneratorRun = jm::test::CliRun;

/// Runs the generator's character, number and three-talents steps on `data`.
GeneratorRun generate(const fs::path& data, const fs::path& out)
{
    const std::string command = "python3 " + shellQuote((kSourceDir / "tools" / "build_db.py").string())
        + " --only 10,20,21 --data " + shellQuote(data.string()) + " --out " + shellQuote(out.string());
    return jm::test::runCommand(command);
}

class Generator : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeText(data() / "cnword_base.tsv", std::string(kBaseHeader) + kBaseRows);
        writeText(data() / "element_corrections.tsv", "字\t五行\t理由\n春\t木\t春季属木\n");
        writeText(data() / "guangyun_initials.tsv", "字\t聲母\n哲\t知\n月\t疑\n");
    }
    fs::path data() const { return dir.path() / "data"; }

    TempDir dir;
};

TEST_F(Generator, AuthoredTextsAndElementsOverTheRule)
{
    writeText(data() / "texts" / "characters" / "a.tsv",
        std::string(kCharactersHeader) + "海\t\t大海。<br>海洋\t\n家\t火\t家庭\t住所\n");
    writeText(
        data() / "texts" / "characters" / "b.tsv", std::string(kCharactersHeader) + "家\t金\t别的\t\n春\t\t\t春天\n");
    const GeneratorRun r = generate(data(), dir.path() / "out.db");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("b.tsv:2"), std::string::npos) << r.out; // 家 given twice: the first file wins

    jm::NameDatabase db;
    ASSERT_TRUE(db.open((dir.path() / "out.db").string()));
    struct Expect {
        const char* character;
        const char* element;
        const char* basic; // exact, or a part when `detailed` is null
        const char* detailed; // a part of the detailed text
    };
    const Expect cases[] = {
        { "安", "土", "英文释义：peace, tranquility", "部首：宀" }, // not in the 廣韻, no initial: earth
        { "家", "火", "家庭", "住所" }, // authored element and texts
        { "春", "木", "英文释义：spring", "春天" }, // correction, authored detail only
        { "月", "木", "读音：yuè<br>英文释义：moon", "康熙笔画 4 画" }, // the old 疑 initial: wood, not y- earth
        { "哲", "火", "读音：zhé", "部首：口" }, // the old 知 initial: fire, not zh- metal
        { "海", "水", "大海。<br>海洋", "康熙笔画 11 画" }, // authored text, rule's element
        { "燨", "火", "读音：xī", "康熙笔画 17 画" }, // no definition: still a text
    };
    for (const Expect& e : cases) {
        SCOPED_TRACE(e.character);
        auto st = db.query("select * from NM_CNWord where 汉字=?", { std::string(e.character) });
        ASSERT_TRUE(st.onRow());
        EXPECT_EQ(db.columnText(st, 12), e.element);
        EXPECT_NE(db.columnText(st, 14).find(e.basic), std::string::npos) << db.columnText(st, 14);
        EXPECT_NE(db.columnText(st, 15).find(e.detailed), std::string::npos) << db.columnText(st, 15);
        // Built texts carry no notes of how the data was made.
        for (const char* note : { "五行：", "推定", "五笔", "收录" }) {
            EXPECT_EQ(db.columnText(st, 14).find(note), std::string::npos) << note;
            EXPECT_EQ(db.columnText(st, 15).find(note), std::string::npos) << note;
        }
    }
    // Ids follow the table's order; code is the code point.
    auto st = db.query("select Id, code from NM_CNWord where 汉字=?", { std::string("家") });
    EXPECT_EQ(db.columnInt(st, 0), 2);
    EXPECT_EQ(db.columnInt(st, 1), 0x5BB6);
}

TEST_F(Generator, DefinitionsAreEscapedForThePage)
{
    writeText(data() / "element_corrections.tsv", "字\t五行\t理由\n");
    const GeneratorRun r = generate(data(), dir.path() / "out.db");
    ASSERT_EQ(r.status, 0) << r.out;
    jm::NameDatabase db;
    ASSERT_TRUE(db.open((dir.path() / "out.db").string()));
    auto st = db.query("select 基本解释 from NM_CNWord where 汉字=?", { std::string("家") });
    EXPECT_EQ(db.columnText(st, 0), "读音：jiā、jie<br>英文释义：house &amp; &lt;home&gt;");
    st = db.query("select 五行属性 from NM_CNWord where 汉字=?", { std::string("春") });
    EXPECT_EQ(db.columnText(st, 0), "火"); // without its correction, 春 goes by its radical 日
}

TEST_F(Generator, NumberAndThreeTalentsReadings)
{
    writeText(
        data() / "texts" / "numbers81.tsv", std::string(kNumbersHeader) + cells("2\t大凶", 8) + cells("1\t大吉", 8));
    writeText(data() / "texts" / "three_talents.tsv",
        std::string(kTalentsHeader) + cells("木木木\t大吉", 18, "林") + cells("水火金\t凶", 18));
    const GeneratorRun r = generate(data(), dir.path() / "out.db");
    ASSERT_EQ(r.status, 0) << r.out;
    jm::NameDatabase db;
    ASSERT_TRUE(db.open((dir.path() / "out.db").string()));

    auto st = db.query("select * from NM_八一灵动数 where Id=1");
    EXPECT_EQ(db.columnText(st, 1), "大吉");
    EXPECT_EQ(db.columnText(st, 9), "文8");
    st = db.query("select * from NM_三才配置 where 三才=?", { std::string("水火金") });
    EXPECT_EQ(db.columnInt(st, 0), 2); // numbered in file order
    EXPECT_EQ(db.columnText(st, 2), "凶");
    EXPECT_EQ(db.columnText(st, 20), "文18");
}

TEST_F(Generator, WithoutReadingsTheTablesStayEmpty)
{
    fs::remove(data() / "element_corrections.tsv");
    const GeneratorRun r = generate(data(), dir.path() / "out.db");
    ASSERT_EQ(r.status, 0) << r.out;
    jm::NameDatabase db;
    ASSERT_TRUE(db.open((dir.path() / "out.db").string()));
    auto st = db.query("select (select count(*) from NM_CNWord), (select count(*) from NM_八一灵动数), "
                       "(select count(*) from NM_三才配置)");
    EXPECT_EQ(db.columnInt(st, 0), 7);
    EXPECT_EQ(db.columnInt(st, 1), 0);
    EXPECT_EQ(db.columnInt(st, 2), 0);
}

TEST_F(Generator, MalformedAuthoredFilesStopTheBuildWithTheirPlace)
{
    struct Case {
        const char* file;
        std::string text;
        const char* place;
    };
    const Case cases[] = {
        { "texts/characters/a.tsv", std::string(kCharactersHeader) + "海\t风\t海\t海\n", "a.tsv:2" },
        { "texts/characters/a.tsv", std::string(kCharactersHeader) + "海\t水\t海\n", "a.tsv:2" },
        { "texts/characters/a.tsv", "字\t五行\t解释\n", "a.tsv" },
        { "texts/numbers81.tsv", std::string(kNumbersHeader) + cells("1\t大吉", 8) + cells("1\t吉", 8),
            "numbers81.tsv:3" },
        { "texts/numbers81.tsv", std::string(kNumbersHeader) + cells("82\t吉", 8), "numbers81.tsv:2" },
        { "texts/three_talents.tsv", std::string(kTalentsHeader) + cells("木火\t吉", 18), "three_talents.tsv:2" },
        { "texts/three_talents.tsv", std::string(kTalentsHeader) + cells("木火土\t小吉", 18), "three_talents.tsv:2" },
        // the same text for two keys in one column, and a cell beyond its declared size (总论: 92 bytes)
        { "texts/three_talents.tsv", std::string(kTalentsHeader) + cells("木火土\t吉", 18) + cells("木火金\t凶", 18),
            "three_talents.tsv:3" },
        { "texts/three_talents.tsv",
            std::string(kTalentsHeader) + "木火土\t吉\t一\t二\t" + repeated("长", 47) + cells("", 15),
            "three_talents.tsv:2" },
        { "element_corrections.tsv", "字\t五行\t理由\n春\t春\t春季\n", "element_corrections.tsv:2" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TempDir scratch;
        const fs::path folder = scratch.path() / "data";
        writeText(folder / "cnword_base.tsv", std::string(kBaseHeader) + kBaseRows);
        writeText(folder / c.file, c.text);
        const GeneratorRun r = generate(folder, scratch.path() / "out.db");
        EXPECT_NE(r.status, 0);
        EXPECT_NE(r.out.find(c.place), std::string::npos) << r.out;
        EXPECT_FALSE(fs::exists(scratch.path() / "out.db"));
    }
}

} // namespace
