#include "content/Articles.h"
#include "content/Dictionary.h"
#include "data/Bootstrap.h"
#include "support/FixtureDatabase.h"
#include "text/Text.h"

#include <gtest/gtest.h>

using namespace jm;
using jm::test::FixtureBuilder;
using jm::test::TempDir;

namespace {

// Two tables that share a category name and a table with two articles of the same title.
struct ArticleDb {
    TempDir dir;
    NameDatabase db;
    ArticleDb()
    {
        FixtureBuilder b;
        b.row("NM_育儿百科", { "1", "24", "均衡营养", "早餐", "<p>鸡蛋</p>" });
        b.row("NM_育儿百科", { "2", "24", "均衡营养", "同名", "第一篇" });
        b.row("NM_育儿百科", { "3", "30", "胎教", "音乐", "莫扎特" });
        b.row("NM_育儿百科", { "4", "24", "均衡营养", "同名", "第二篇" });
        b.row("NM_算命风水", { "1", "1", "均衡营养", "风水同类", "风水文" });
        const auto result = bootstrapDatabase(db, b.write(dir.path() / "f.db").string());
        EXPECT_TRUE(result.ok()) << result.error();
    }
};

std::vector<std::string> titles(const std::vector<ArticleEntry>& entries)
{
    std::vector<std::string> out;
    for (const ArticleEntry& e : entries)
        out.push_back(e.title);
    return out;
}

} // namespace

TEST(Articles, ListKeepsDatabaseOrderAndEachRowItsOwnContent)
{
    ArticleDb f;
    const auto entries = listArticles(f.db, "育儿百科", "均衡营养");
    ASSERT_EQ(titles(entries), (std::vector<std::string> { "早餐", "同名", "同名" }));
    EXPECT_EQ(articleContent(f.db, "育儿百科", entries[0].row), "<p>鸡蛋</p>");
    // The same title twice: each entry opens its own article.
    EXPECT_EQ(articleContent(f.db, "育儿百科", entries[1].row), "第一篇");
    EXPECT_EQ(articleContent(f.db, "育儿百科", entries[2].row), "第二篇");

    // The same category in the other table lists that table's articles.
    const auto other = listArticles(f.db, "算命风水", "均衡营养");
    ASSERT_EQ(titles(other), std::vector<std::string> { "风水同类" });
    EXPECT_EQ(articleContent(f.db, "算命风水", other[0].row), "风水文");
    EXPECT_EQ(articleContent(f.db, "算命风水", entries[2].row), "");
}

TEST(Articles, NothingFoundListsOneEmptyEntry)
{
    ArticleDb f;
    NameDatabase closed;
    struct Case {
        NameDatabase* db;
        const char* table;
        const char* category;
    };
    const Case cases[] = {
        { &f.db, "育儿百科", "护理保健" }, // no such category
        { &f.db, "育儿百科", "均衡\"营养" }, // a quote is only a character of the value
        { &f.db, "NM_育儿百科", "均衡营养" }, // not a table name without prefix
        { &closed, "育儿百科", "均衡营养" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.table) + " " + c.category);
        const auto entries = listArticles(*c.db, c.table, c.category);
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(entries[0].title, "");
        EXPECT_EQ(articleContent(*c.db, c.table, entries[0].row), "");
    }
}

TEST(Articles, PageTemplateAndReplacementOrder)
{
    // Eleven lines joined by CR LF, no break after the last: 332 GBK bytes.
    const std::string_view tpl = articlePageTemplate();
    EXPECT_EQ(toGbk(tpl).size(), 332u);
    EXPECT_EQ(tpl.substr(tpl.size() - 7), "</html>");

    const std::string page = articlePage("早餐", "<p>鸡蛋</p>");
    EXPECT_NE(page.find("<title>早餐</title>\r\n"), std::string::npos);
    EXPECT_NE(page.find("<CENTER><H1>早餐</H1></CENTER>\r\n<p>鸡蛋</p>\r\n</body>"), std::string::npos);

    struct Case {
        const char* title;
        const char* content;
        const char* body;
    };
    const Case cases[] = {
        // The title goes in first, so a title placeholder in the content stays as it is.
        { "题", "见{文章标题}", "<H1>题</H1></CENTER>\r\n见{文章标题}\r\n" },
        // A content placeholder in the title receives the content.
        { "题{文章内容}", "文", "<H1>题文</H1></CENTER>\r\n文\r\n" },
        // The empty entry of an empty category: empty heading, no content.
        { "", "", "<H1></H1></CENTER>\r\n\r\n</body>" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        EXPECT_NE(articlePage(c.title, c.content).find(c.body), std::string::npos) << articlePage(c.title, c.content);
    }
}

TEST(Dictionary, ExplanationAsPlainText)
{
    struct Case {
        const char* html;
        const char* text;
    };
    const Case cases[] = {
        { "① 符号。<br>② 字体。", "① 符号。\n② 字体。" },
        { "<p>甲</p><p>乙 &amp; 丙</p>", "甲\n乙 & 丙" },
        { "<b>粗</b>&lt;细&gt;<br/>", "粗<细>" },
        { "a<br><br>b", "a\n\nb" },
        { "", "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.html);
        EXPECT_EQ(explanationText(c.html), c.text);
    }
}

// Each typed character on its own: itself when the dictionary has it, else
// the characters whose traditional form it is, else nothing.
TEST(Dictionary, FindsCharactersOneByOneAndThroughTheirTraditionalForm)
{
    TempDir dir;
    NameDatabase db;
    FixtureBuilder b;
    b.character({ "张", 7, 11, "火", "zhāng", "張" });
    b.character({ "三", 3, 3, "金", "sān" });
    b.character({ "龙", 5, 16, "土", "lóng", "龍" });
    b.character({ "钟", 9, 17, "金", "zhōng", "鍾" });
    b.character({ "锺", 14, 17, "金", "zhōng", "鍾" });
    b.character({ "後", 9, 9, "水", "hòu" }); // its own row and also the traditional form of another
    b.character({ "后", 6, 9, "水", "hòu", "後" });
    ASSERT_TRUE(bootstrapDatabase(db, b.write(dir.path() / "f.db").string()).ok());

    using Found = std::vector<std::string>;
    const struct {
        const char* text;
        std::vector<std::pair<std::string, Found>> want;
    } cases[] = {
        { "张三", { { "张", { "张" } }, { "三", { "三" } } } },
        { "龍", { { "龍", { "龙" } } } },
        { "張 三", { { "張", { "张" } }, { "三", { "三" } } } },
        { "鍾", { { "鍾", { "钟", "锺" } } } },
        { "後", { { "後", { "後" } } } },
        { "龙喆", { { "龙", { "龙" } }, { "喆", {} } } },
        { " 　", {} },
        { "", {} },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<std::pair<std::string, Found>> got;
        for (const CharacterMatch& m : findCharacters(db, c.text))
            got.emplace_back(m.typed, m.found);
        EXPECT_EQ(got, c.want);
    }
}
