#include "text/Text.h"

#include <gtest/gtest.h>

using namespace jm;

TEST(SplitCharacters, CutsByCodePointAndKeepsInnerSpaces)
{
    struct Case {
        const char* text;
        std::vector<std::string> want;
    };
    const Case cases[] = {
        { "", {} },
        { "   ", {} },
        { "\xE3\x80\x80 \xE3\x80\x80", {} },
        { "张三", { "张", "三" } },
        { "A张", { "A", "张" } },
        { "欧 阳", { "欧", " ", "阳" } },
        { "欧\xE3\x80\x80阳", { "欧", "\xE3\x80\x80", "阳" } },
        { "😀喆", { "😀", "喆" } },
        { "\xFF张", { "\xFF", "张" } }, // a stray byte stays a character of its own
        { "张\xE5\xBC", { "张", "\xE5", "\xBC" } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(splitCharacters(c.text), c.want);
    }
}

TEST(Gbk, RoundTripsGbkAndBeyond)
{
    EXPECT_EQ(toGbk("张三"), "\xD5\xC5\xC8\xFD");
    EXPECT_EQ(toGbk("A"), "A");
    // 喆 and 堃 are GBK-only (outside GB2312) and must survive.
    for (const char* text : { "喆堃", "中文 text", "😀𠀀", "\xE3\x80\x80" }) {
        SCOPED_TRACE(text);
        EXPECT_EQ(fromGbk(toGbk(text)), text);
    }
    EXPECT_EQ(toGbk("喆").size(), 2u);
    EXPECT_EQ(toGbk("😀").size(), 4u);
    EXPECT_EQ(fromGbk("\xD5\xC5"), "张");
    EXPECT_EQ(toGbk(""), "");
}

TEST(HtmlEscape, EscapesMarkup)
{
    EXPECT_EQ(htmlEscape("<b>\"x\"&'"), "&lt;b&gt;&quot;x&quot;&amp;&#39;");
    EXPECT_EQ(htmlEscape("张三"), "张三");
}

TEST(ReplaceAll, DoesNotRescanInsertedText)
{
    std::string s = "{a}{a}";
    replaceAll(s, "{a}", "{a}x");
    EXPECT_EQ(s, "{a}x{a}x");
}
