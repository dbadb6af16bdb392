#include "CorpusQueries.h"

#include "text/Text.h"

#include <string>
#include <utility>
#include <vector>

using jm::test::ShippedDatabaseTest;

namespace {

// The categories of the two article menus, one per menu item.
const std::vector<std::pair<std::string, std::string>>& menuCategories()
{
    static const std::vector<std::pair<std::string, std::string>> list = [] {
        std::vector<std::pair<std::string, std::string>> out;
        for (const char* c : { "备孕百科", "孕期百科", "分娩百科", "0-1岁百科", "1-3岁百科", "3-6岁百科", "孕育指南",
                 "教育早知道", "胎教", "早教资源", "才艺培养", "游戏玩具", "智力开发", "行为心理", "学前教育",
                 "母乳喂养", "人工喂养", "补钙攻略", "辅食添加", "营养元素", "食疗保健", "食谱大全", "饮食宜忌",
                 "均衡营养", "护理保健", "生长发育", "体格检查", "预防免疫", "成人疾病", "儿科疾病", "药物手册",
                 "出行安全", "用品安全", "家居安全", "宠物安全", "医药安全", "食品安全", "幼儿园安全" })
            out.emplace_back("育儿百科", c);
        for (const char* c : { "起名知识", "算命知识", "星座算命", "相术算命", "血型算命", "风水知识", "开运技巧" })
            out.emplace_back("算命风水", c);
        return out;
    }();
    return list;
}

// The text of an article without its markup.
std::string plainText(const std::string& html)
{
    std::string out;
    bool inTag = false;
    for (char c : html) {
        if (c == '<')
            inTag = true;
        else if (c == '>')
            inTag = false;
        else if (!inTag)
            out += c;
    }
    return out;
}

} // namespace

class ArticleData : public ShippedDatabaseTest {
protected:
    void SetUp() override
    {
        ShippedDatabaseTest::SetUp();
        if (HasFatalFailure()) return;
        if (number("select (select count(*) from NM_育儿百科) + (select count(*) from NM_算命风水)") == 0)
            GTEST_SKIP() << "no articles written yet";
    }
};

TEST_F(ArticleData, EveryMenuCategoryHasAtLeastFiveArticles)
{
    ASSERT_EQ(menuCategories().size(), 45u);
    if (number("select (select count(*) from NM_育儿百科) + (select count(*) from NM_算命风水)") < 45 * 5)
        GTEST_SKIP() << "the article library is still being written";
    for (const auto& [table, category] : menuCategories()) {
        EXPECT_GE(number("select count(*) from NM_" + table + " where 分类标题=?", { category }), 5)
            << table << " / " << category;
    }
    // nothing is filed under a category no menu shows
    for (const char* table : { "育儿百科", "算命风水" }) {
        for (const auto& r : rows(std::string("select distinct 分类标题 from NM_") + table, 1)) {
            bool known = false;
            for (const auto& [t, c] : menuCategories())
                known = known || (t == table && c == r[0]);
            EXPECT_TRUE(known) << table << " / " << r[0];
        }
    }
}

TEST_F(ArticleData, EveryArticleHasATitleParagraphsAndAReasonableLength)
{
    for (const char* table : { "育儿百科", "算命风水" }) {
        std::string t(table);
        EXPECT_EQ(number("select count(*) from (select 1 from NM_" + t + " group by 标题 having count(*) > 1)"), 0)
            << "titles repeat in " << t;
        EXPECT_EQ(number("select count(distinct ID) = count(*) and min(ID) = 1 and max(ID) = count(*) from NM_" + t), 1)
            << "ids of " << t << " must count from 1";
        for (const auto& r : rows("select ID, 分类ID, 分类标题, 标题, 内容 from NM_" + t, 5)) {
            EXPECT_FALSE(r[1].empty()) << t << " " << r[0];
            EXPECT_FALSE(r[3].empty()) << t << " " << r[0];
            EXPECT_EQ(r[4].rfind("<p>", 0), 0u) << t << " " << r[3];
            std::size_t length = jm::characterCount(plainText(r[4]));
            EXPECT_TRUE(length >= 300 && length <= 1200) << t << " " << r[3] << ": " << length << " characters";
        }
        // one category, one number
        EXPECT_EQ(number("select count(*) from (select 分类标题 from NM_" + t
                      + " group by 分类标题 having count(distinct 分类ID) > 1)"),
            0);
    }
}

// 护理保健 has articles of its own; 均衡营养 holds nutrition, not care.
TEST_F(ArticleData, CareAndNutritionAreSeparateCategories)
{
    EXPECT_GE(number("select count(*) from NM_育儿百科 where 分类标题='护理保健'"), 17);
    EXPECT_GE(number("select count(*) from NM_育儿百科 where 分类标题='均衡营养'"), 17);
    EXPECT_EQ(number("select count(*) from NM_育儿百科 where 分类标题='科疾病'"), 0);
    EXPECT_GE(number("select count(*) from NM_育儿百科 where 分类标题='儿科疾病'"), 5);
    for (const char* word : { "护理", "刷牙", "指甲", "洗手", "出汗", "大便", "眼睛", "喷嚏", "洗澡" }) {
        for (const auto& r :
            rows("select 标题 from NM_育儿百科 where 分类标题='均衡营养' and instr(标题, ?) > 0", 1, { word }))
            ADD_FAILURE() << "care article filed under 均衡营养: " << r[0];
    }
    for (const auto& r : rows("select 标题, 内容 from NM_育儿百科 where 分类标题='护理保健'", 2))
        EXPECT_NE(r[1].find("医"), std::string::npos) << r[0] << " says nothing of when to see a doctor";
}
