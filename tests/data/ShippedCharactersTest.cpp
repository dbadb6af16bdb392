// Quality checks of the character table of the shipped database (the file
// named by JIAMING_SHIPPED_DB), loaded through the program's own bootstrap.
#include "data/Bootstrap.h"
#include "data/NameDatabase.h"
#include "data/Schema.h"
#include "scoring/FiveGrids.h"
#include "scoring/NameScorer.h"
#include "text/Text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kSourceDir = fs::path(__FILE__).parent_path().parent_path().parent_path();

std::string shippedPath()
{
    const char* path = std::getenv("JIAMING_SHIPPED_DB");
    return path ? path : "";
}

std::string readFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

/// The shipped file copied into memory once for all tests of this file.
class ShippedCharacters : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        db = new jm::NameDatabase;
        const auto result = jm::bootstrapDatabase(*db, shippedPath());
        ASSERT_TRUE(result.ok()) << shippedPath() << ": " << result.error();
    }
    static void TearDownTestSuite()
    {
        delete db;
        db = nullptr;
    }

    /// Columns of the row of `character` (empty texts when there is none).
    static std::vector<std::string> row(const std::string& character)
    {
        auto st = db->query("select * from NM_CNWord where 汉字=?", { character });
        std::vector<std::string> cols;
        for (int i = 0; i < 16; ++i)
            cols.push_back(db->columnText(st, i));
        return cols;
    }

    static jm::NameDatabase* db;
};

jm::NameDatabase* ShippedCharacters::db = nullptr;

TEST_F(ShippedCharacters, NumerologyStrokeCounts)
{
    // Traditional form and Kangxi count: radicals by their full form (氵 水 4,
    // 艹 艸 6, 辶 辵 7, left 阝 阜 8, right 阝 邑 7, 王 玉 5), 廴 3, 鬼 10,
    // numerals by value, and the surnames that keep their own form; the real
    // stroke count where the dictionary files a character under fewer residual
    // strokes than it has (紫 12, not 糸 6 + 5); the dictionary's old glyphs
    // where they have more strokes (成 7, 修 10); characters that are their own
    // traditional form (岩, 凶, 托, 咨, 熏) or take Unihan's (众 眾, 艳 艷).
    struct Case {
        const char* character;
        const char* traditional;
        int simplified;
        int kangxi;
    };
    const Case cases[] = {
        { "张", "張", 7, 11 },
        { "伟", "偉", 6, 11 },
        { "三", "三", 3, 3 },
        { "丰", "豐", 4, 18 },
        { "海", "海", 10, 11 },
        { "陈", "陳", 7, 16 },
        { "郑", "鄭", 8, 19 },
        { "刘", "劉", 6, 15 },
        { "王", "王", 4, 4 },
        { "胡", "胡", 9, 11 },
        { "罗", "羅", 8, 20 },
        { "魏", "魏", 17, 18 },
        { "建", "建", 8, 9 },
        { "江", "江", 6, 7 },
        { "志", "志", 7, 7 },
        { "花", "花", 7, 10 },
        { "琪", "琪", 12, 13 },
        { "祥", "祥", 10, 11 },
        { "远", "遠", 7, 17 },
        { "阳", "陽", 6, 17 },
        { "邦", "邦", 6, 11 },
        { "于", "于", 3, 3 },
        { "范", "范", 8, 11 },
        { "四", "四", 5, 4 },
        { "九", "九", 2, 9 },
        { "十", "十", 2, 10 },
        { "孙", "孫", 6, 10 },
        { "苏", "蘇", 7, 22 },
        { "岳", "岳", 8, 8 },
        { "游", "游", 12, 13 },
        { "紫", "紫", 12, 12 },
        { "璐", "璐", 17, 18 },
        { "露", "露", 21, 21 },
        { "斌", "斌", 12, 12 },
        { "毓", "毓", 14, 14 },
        { "政", "政", 9, 9 },
        { "致", "致", 10, 10 },
        { "泰", "泰", 10, 10 },
        { "兴", "興", 6, 16 },
        { "啸", "嘯", 11, 16 },
        { "求", "求", 7, 7 },
        { "潞", "潞", 16, 17 },
        { "鹭", "鷺", 18, 24 },
        { "蕗", "蕗", 16, 19 },
        { "岩", "岩", 8, 8 },
        { "众", "眾", 6, 11 },
        { "艳", "艷", 10, 24 },
        { "凶", "凶", 4, 4 },
        { "托", "托", 6, 7 },
        { "咨", "咨", 9, 9 },
        { "熏", "熏", 14, 14 },
        { "杰", "杰", 8, 8 },
        { "峰", "峰", 10, 10 },
        { "群", "群", 13, 13 },
        { "都", "都", 10, 16 },
        { "成", "成", 6, 7 },
        { "修", "修", 9, 10 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.character);
        const auto cols = row(c.character);
        EXPECT_EQ(cols[2], c.character);
        EXPECT_EQ(cols[4], c.traditional);
        EXPECT_EQ(cols[5], std::to_string(c.simplified));
        EXPECT_EQ(cols[6], std::to_string(c.kangxi));
    }
}

TEST_F(ShippedCharacters, WorkedExampleGivesItsGrids)
{
    jm::NameLayout layout;
    layout.surnameLength = 1;
    layout.givenLength = 2;
    layout.S1 = jm::lookUpCharacterInfo(*db, "张");
    layout.G1 = jm::lookUpCharacterInfo(*db, "三");
    layout.G2 = jm::lookUpCharacterInfo(*db, "丰");
    EXPECT_EQ(jm::gridsText(jm::computeFiveGrids(layout)), "12,14,21,32,19");
}

TEST_F(ShippedCharacters, ElementsByMeaningThenSound)
{
    // Written entries first (井 a well is 水, though its sound gives 木), then reviewed corrections, radical
    // meaning and the five notes of the old initial (家 見 → 木, 思 心 → 金): 月 語 雅 毅 of the 疑 initial
    // are 木 though they read y- today, 哲 卓 of 知 are 火 though they read zh-, 文 美 of 明 and 航 宏 豪 of 匣
    // are 水, 安 of 影 is 土.
    const std::pair<const char*, const char*> cases[] = {
        { "海", "水" },
        { "林", "木" },
        { "金", "金" },
        { "明", "火" },
        { "山", "土" },
        { "钟", "金" },
        { "春", "木" },
        { "阳", "火" },
        { "白", "金" },
        { "子", "水" },
        { "光", "火" },
        { "波", "水" },
        { "家", "木" },
        { "井", "水" },
        { "德", "火" },
        { "思", "金" },
        { "美", "水" },
        { "安", "土" },
        { "雨", "水" },
        { "月", "木" },
        { "语", "木" },
        { "雅", "木" },
        { "毅", "木" },
        { "强", "木" },
        { "哲", "火" },
        { "卓", "火" },
        { "文", "水" },
        { "航", "水" },
        { "宏", "水" },
        { "豪", "水" },
        { "诚", "金" },
    };
    for (const auto& [character, element] : cases)
        EXPECT_EQ(row(character)[12], element) << character;
}

TEST_F(ShippedCharacters, ElementsAgreeWithThePublishedPanel)
{
    // data/element_panel.tsv: characters whose element two or more name-study pages agree on
    // (written from data/element_pages.tsv by tools/extract/element_panel.py).
    std::istringstream lines(readFile(kSourceDir / "data" / "element_panel.tsv"));
    std::string line, disagreeing;
    int count = 0, agreeing = 0;
    bool header = true;
    while (std::getline(lines, line)) {
        if (line.empty() || line.starts_with("#")) continue;
        if (header) {
            EXPECT_TRUE(line.starts_with("字\t五行\t"));
            header = false;
            continue;
        }
        const auto tab = line.find('\t');
        const std::string character = line.substr(0, tab);
        const std::string element = line.substr(tab + 1, line.find('\t', tab + 1) - tab - 1);
        ++count;
        if (row(character)[12] == element)
            ++agreeing;
        else
            disagreeing += character + element + " ";
    }
    EXPECT_GE(count, 150);
    EXPECT_GE(agreeing * 100, count * 90) << "disagreeing: " << disagreeing;
}

TEST_F(ShippedCharacters, PinyinColumns)
{
    // 拼音1 plain with ü as v, 拼音2 marked, 声母 empty before a vowel; never a toneless reading (卜 bǔ,
    // 匙 chí), and the reading that names use (珲 huī).
    struct Case {
        const char* character;
        const char* plain;
        const char* marked;
        const char* initial;
        const char* final;
    };
    const Case cases[] = {
        { "张", "zhang", "zhāng", "zh", "ang" },
        { "吕", "lv", "lǚ", "l", "v" },
        { "安", "an", "ān", "", "an" },
        { "罗", "luo", "luó", "l", "uo" },
        { "阳", "yang", "yáng", "y", "ang" },
        { "卜", "bu", "bǔ", "b", "u" },
        { "匙", "chi", "chí", "ch", "i" },
        { "珲", "hui", "huī", "h", "ui" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.character);
        const auto cols = row(c.character);
        EXPECT_EQ(cols[7], c.plain);
        EXPECT_EQ(cols[8], c.marked);
        EXPECT_EQ(cols[9], c.initial);
        EXPECT_EQ(cols[10], c.final);
    }
}

TEST_F(ShippedCharacters, EveryListAndSurnameCharacterIsUsable)
{
    std::vector<std::pair<std::string, std::string>> sources; // file, characters
    for (const auto& entry : fs::directory_iterator(kSourceDir / "resources" / "lists"))
        if (entry.path().extension() == ".txt") sources.emplace_back(entry.path().filename(), readFile(entry.path()));
    std::string surnames;
    std::istringstream lines(readFile(kSourceDir / "data" / "surname_characters.txt"));
    for (std::string line; std::getline(lines, line);)
        if (!line.starts_with("#")) surnames += line;
    sources.emplace_back("surname_characters.txt", surnames);
    sources.emplace_back("extra", "小儿阿");
    ASSERT_GE(sources.size(), 4u);

    for (const auto& [file, text] : sources) {
        SCOPED_TRACE(file);
        std::string unusable, unwritten;
        int count = 0;
        for (const std::string& c : jm::splitCharacters(text)) {
            if (static_cast<unsigned char>(c[0]) < 0x80) continue; // line ends
            ++count;
            const jm::CharacterInfo info = jm::lookUpCharacterInfo(*db, c);
            const auto cols = row(c);
            if (!jm::isUsableCharacter(info) || info.traditionalStrokes == 0 || cols[8].empty() || cols[11].empty())
                unusable += c;
            // Our own explanation, not the text built from the data (which starts with the readings).
            if (cols[14].starts_with("读音：") || cols[15].empty()) unwritten += c;
        }
        EXPECT_GT(count, 0);
        EXPECT_EQ(unusable, "");
        EXPECT_EQ(unwritten, "");
    }
}

TEST_F(ShippedCharacters, TableIsCompleteAndEveryPageHasText)
{
    auto st = db->query("select count(*), count(distinct 汉字), sum(繁体笔画数 > 0 and 简体笔画数 > 0), "
                        "sum(五行属性 in ('金','木','水','火','土')), sum(基本解释 <> '' and 详细解释 <> ''), "
                        "min(Id), max(Id) from NM_CNWord");
    const int rows = db->columnInt(st, 0);
    EXPECT_GE(rows, 8105); // at least the 通用规范汉字表
    EXPECT_EQ(db->columnInt(st, 1), rows);
    EXPECT_EQ(db->columnInt(st, 2), rows);
    EXPECT_EQ(db->columnInt(st, 3), rows);
    EXPECT_EQ(db->columnInt(st, 4), rows);
    EXPECT_EQ(db->columnInt(st, 5), 1);
    EXPECT_EQ(db->columnInt(st, 6), rows);
}

TEST(ShippedSchema, CreateTableTextsAreTheProgramsOwn)
{
    jm::NameDatabase db;
    ASSERT_TRUE(db.open(shippedPath())) << shippedPath();
    // SQLite keeps the text as given except its first two words, which it stores as "CREATE TABLE".
    const std::string keyword = "create table";
    std::vector<jm::TableDef> tables = jm::schemaTables();
    tables.insert(tables.end(), jm::extraTables().begin(), jm::extraTables().end());
    tables.insert(tables.end(), jm::adviceTables().begin(), jm::adviceTables().end());
    for (const jm::TableDef& table : tables) {
        auto st = db.query("select sql from sqlite_master where type='table' and name=?", { table.name });
        const std::string expected = jm::createTableSql(table.name, table.columns);
        ASSERT_TRUE(expected.starts_with(keyword));
        EXPECT_EQ(db.columnText(st, 0), "CREATE TABLE" + expected.substr(keyword.size()));
    }
    auto st = db.query("select count(*) from sqlite_master where type='table'");
    EXPECT_EQ(db.columnInt(st, 0), static_cast<int>(tables.size()));
}

} // namespace
