#include "scoring/FiveGrids.h"

#include <gtest/gtest.h>

using namespace jm;

namespace {

CharacterInfo ch(int traditional, const char* element = "木", int simplified = 1)
{
    return { "x", simplified, traditional, element };
}

} // namespace

TEST(ElementOfNumber, ByLastDigit)
{
    const char* want[10] = { "水", "木", "木", "火", "火", "土", "土", "金", "金", "水" };
    for (int n = 0; n < 30; ++n)
        EXPECT_EQ(elementOfNumber(n), want[n % 10]) << n;
    EXPECT_EQ(elementOfNumber(-3), "");
}

TEST(ComputeFiveGrids, Layouts)
{
    struct Case {
        const char* what;
        NameLayout layout;
        int 天, 人, 地, 总, 外;
        const char* sancai;
    };
    const CharacterInfo absent;
    const Case cases[] = {
        { "张三丰", { 1, 2, ch(11), absent, ch(3), ch(18) }, 12, 14, 21, 32, 19, "木火木" },
        { "张伟", { 1, 1, ch(11), absent, ch(11), absent }, 12, 22, 12, 22, 2, "木木木" },
        { "欧阳娜", { 2, 1, ch(15), ch(17), ch(10), absent }, 32, 27, 11, 42, 16, "木金木" },
        { "欧阳 two given", { 2, 2, ch(15), ch(17), ch(10), ch(5) }, 32, 27, 15, 47, 20, "木金土" },
        // A three-character given name uses the two-character rule on its first two.
        { "three given", { 1, 3, ch(11), absent, ch(3), ch(18) }, 12, 14, 21, 32, 19, "木火木" },
        // Empty parts fall into the two-character layout with absent slots.
        { "empty", { 0, 0, absent, absent, absent, absent }, 0, 0, 0, 0, 0, "水水水" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const FiveGrids g = computeFiveGrids(c.layout);
        EXPECT_EQ(g.天格, c.天);
        EXPECT_EQ(g.人格, c.人);
        EXPECT_EQ(g.地格, c.地);
        EXPECT_EQ(g.总格, c.总);
        EXPECT_EQ(g.外格, c.外);
        EXPECT_EQ(g.三才, c.sancai);
    }
}

TEST(ComputeFiveGrids, WorkedExampleTexts)
{
    NameLayout l { 1, 2, { "张", 7, 11, "火" }, {}, { "三", 3, 3, "金" }, { "丰", 4, 18, "木" } };
    const FiveGrids g = computeFiveGrids(l);
    EXPECT_EQ(gridsText(g), "12,14,21,32,19");
    EXPECT_EQ(g.gridElements, (std::array<std::string, 5> { "木", "火", "木", "木", "水" }));
    EXPECT_EQ(g.simplifiedTotal, 14);
    EXPECT_EQ(g.elementsText, "火金木");
}

TEST(IsUsableCharacter, NeedsElementAndStrokes)
{
    EXPECT_TRUE(isUsableCharacter({ "a", 3, 3, "木" }));
    EXPECT_FALSE(isUsableCharacter({ "a", 0, 3, "木" }));
    EXPECT_FALSE(isUsableCharacter({ "a", 3, 3, "" }));
}
