#include "scoring/Pages.h"
#include "data/Bootstrap.h"
#include "settings/Paths.h"
#include "support/FixtureDatabase.h"
#include "text/Text.h"

#include <gtest/gtest.h>

using namespace jm;
using jm::test::FixtureBuilder;
using jm::test::TempDir;

namespace {

struct FixtureDb {
    TempDir dir;
    NameDatabase db;
    FixtureDb()
    {
        FixtureBuilder b = FixtureBuilder::standard();
        b.row("NM_CNWord",
            { "900", "900", "粗", "粗", "粗", "11", "11", "cū", "cū", "c", "u", "米", "金", "", "<b>粗</b>细",
                "见<a href=\"x\">条目</a>" });
        b.row("NM_百家姓", { "1", "欧", "欧起源", "欧聚集", "欧名人" });
        b.row("NM_百家姓", { "2", "欧阳", "欧阳起源<br>夏", "欧阳聚集", "欧阳修" });
        const auto result = bootstrapDatabase(db, b.write(dir.path() / "f.db").string());
        EXPECT_TRUE(result.ok()) << result.error();
    }
};

bool contains(const std::string& text, std::string_view part)
{
    return text.find(part) != std::string::npos;
}

// The text right after a label, up to the next tag.
std::string after(const std::string& page, const std::string& label)
{
    const auto at = page.find(label);
    if (at == std::string::npos) return "<missing label>";
    const auto start = at + label.size();
    return page.substr(start, page.find('<', start) - start);
}

} // namespace

TEST(CharacterPage, FieldsFromTheDictionary)
{
    FixtureDb f;
    ASSERT_TRUE(f.db.execute("update NM_CNWord set 简体笔画数=NULL, 繁体笔画数=0 where 汉字='丁'"));
    struct Case {
        const char* character;
        const char* simplified;
        const char* traditional;
        const char* radical;
    };
    const Case cases[] = {
        { "粗", "11", "11", "米" }, { "丁", "", "0", "" }, // NULL shows empty, 0 shows 0
        { "喆", "", "", "" }, // no row: empty fields
        { "张三", "", "", "" }, // a text of two characters finds nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.character);
        const std::string page = characterPage(f.db, c.character);
        EXPECT_TRUE(contains(page, std::string("<title>") + c.character + "</title>"));
        EXPECT_EQ(after(page, "简体笔划："), c.simplified);
        EXPECT_EQ(after(page, "繁体笔划："), c.traditional);
        EXPECT_EQ(after(page, "部首："), c.radical);
        for (const char* placeholder :
            { "{汉字}", "{拼音}", "{简体笔划}", "{部首}", "{繁体笔划}", "{基本解释}", "{详细解释}" })
            EXPECT_FALSE(contains(page, placeholder)) << placeholder;
    }
    const std::string page = characterPage(f.db, "粗");
    EXPECT_TRUE(contains(page, ">cū<"));
    // Dictionary texts keep their markup.
    EXPECT_TRUE(contains(page, "<b>粗</b>细"));
    EXPECT_TRUE(contains(page, "见<a href=\"x\">条目</a>"));
}

TEST(CharacterPage, TypedTextIsEscaped)
{
    FixtureDb f;
    // A quote is bound, not spliced into SQL: it simply finds no row.
    const std::string quote = characterPage(f.db, "\"");
    EXPECT_TRUE(contains(quote, "<title>&quot;</title>"));
    EXPECT_EQ(after(quote, "繁体笔划："), "");
    const std::string tag = characterPage(f.db, "<i>");
    EXPECT_TRUE(contains(tag, "&lt;i&gt;"));
    EXPECT_FALSE(contains(tag, "<i>"));
}

TEST(SurnamePage, WholeSurnameLookupAndEscaping)
{
    FixtureDb f;
    const std::string page = surnamePage(f.db, "欧阳");
    EXPECT_TRUE(contains(page, "<title>百家姓_欧阳</title>"));
    EXPECT_TRUE(contains(page, "欧阳起源<br>夏"));
    EXPECT_TRUE(contains(page, "欧阳聚集"));
    EXPECT_TRUE(contains(page, "欧阳修"));
    EXPECT_FALSE(contains(page, "欧起源"));
    for (const char* placeholder : { "{姓氏}", "{姓氏起源}", "{聚集地}", "{历史名人}" })
        EXPECT_FALSE(contains(page, placeholder)) << placeholder;

    const std::string missing = surnamePage(f.db, "<欧>");
    EXPECT_TRUE(contains(missing, "<title>百家姓_&lt;欧&gt;</title>"));
    EXPECT_FALSE(contains(missing, "欧起源"));
}

TEST(PageFiles, NumbersNameTheFilesAndBytesAreGbk)
{
    FixtureDb f;
    TempDir out;
    const std::pair<int, const char*> names[]
        = { { 0, "temp.html" }, { 1, "temp1.html" }, { 3, "temp3.html" }, { 4, "temp4.html" } };
    for (const auto& [number, name] : names) {
        SCOPED_TRACE(name);
        EXPECT_EQ(pageFilePath(out.path(), number), out.path() / name);
        ASSERT_TRUE(writeCharacterPage(f.db, "喆", number, out.path()));
        const auto bytes = readFileBytes(out.path() / name);
        ASSERT_TRUE(bytes);
        EXPECT_EQ(*bytes, toGbk(characterPage(f.db, "喆")));
        EXPECT_TRUE(contains(*bytes, "charset=gb2312"));
        EXPECT_TRUE(contains(fromGbk(*bytes), "<title>喆</title>"));
    }
    ASSERT_TRUE(writeSurnamePage(f.db, "欧阳", out.path()));
    const auto surname = readFileBytes(out.path() / "temp5.html");
    ASSERT_TRUE(surname);
    EXPECT_EQ(fromGbk(*surname), surnamePage(f.db, "欧阳"));

    // Rewriting replaces the earlier page.
    ASSERT_TRUE(writeCharacterPage(f.db, "粗", 1, out.path()));
    EXPECT_TRUE(contains(fromGbk(*readFileBytes(out.path() / "temp1.html")), "<title>粗</title>"));
}
