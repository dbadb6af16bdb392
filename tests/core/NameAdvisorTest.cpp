#include "scoring/NameAdvisor.h"
#include "data/Bootstrap.h"
#include "scoring/NameAnalysis.h"
#include "support/AdviceFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace jm;
using jm::test::TempDir;

namespace {

struct AdviceDb {
    TempDir dir;
    NameDatabase db;
    AdviceDb()
    {
        const auto result = bootstrapDatabase(db, jm::test::adviceFixture().write(dir.path() / "a.db").string());
        EXPECT_TRUE(result.ok()) << result.error();
    }
};

std::set<std::string> kindsOf(const std::vector<Caution>& cautions)
{
    std::set<std::string> kinds;
    for (const Caution& c : cautions)
        kinds.insert(c.kind);
    return kinds;
}

std::string describe(const std::vector<Caution>& cautions)
{
    std::string text;
    for (const Caution& c : cautions)
        text += c.kind + ": " + c.text + "\n";
    return text;
}

NameAdvisor advisorFor(NameDatabase& db, const std::string& surname, const std::string& given)
{
    return NameAdvisor::load(db, { surname, given });
}

} // namespace

TEST(NameAdvisorTest, KnownUnfortunateNamesAreFlagged)
{
    AdviceDb f;
    struct Case {
        const char* surname;
        const char* given;
        const char* sex;
        const char* kind;
    };
    const Case kCases[] = {
        { "杜", "子腾", "男", caution::Homophone }, // 肚子疼
        { "范", "统", "男", caution::Homophone }, // 饭桶
        { "史", "珍香", "女", caution::Homophone }, // 屎真香
        { "朱", "逸群", "男", caution::Homophone }, // 猪一群
        { "杨", "伟", "男", caution::Homophone }, // 阳痿, tones given
        { "吴", "仁耀", "男", caution::Homophone }, // 无人要
        { "秦", "寿生", "男", caution::Homophone }, // 禽兽 in the first two syllables
        { "张", "流逝", "男", caution::Usage },
        { "张", "琳奴", "女", caution::Usage },
        { "张", "蚊", "男", caution::Usage },
        { "张", "床", "男", caution::Usage }, // odd, not unfit
        { "王", "明阳", "男", caution::Tones }, // wáng míng yáng
        { "张", "娜", "男", caution::Sex },
        { "张", "刚", "女", caution::Sex },
        { "张", "喆", "男", caution::Rare },
        { "张", "乐", "男", caution::Polyphone }, // lè / yuè
        { "张", "龘", "男", caution::Missing },
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.surname) + c.given);
        const auto cautions = advisorFor(f.db, c.surname, c.given).cautions(c.surname, c.given, c.sex);
        EXPECT_TRUE(kindsOf(cautions).count(c.kind)) << describe(cautions);
        for (const Caution& k : cautions)
            EXPECT_FALSE(k.text.empty());
    }
}

TEST(NameAdvisorTest, OrdinaryGoodNamesPassClean)
{
    AdviceDb f;
    // Nothing that would make a parent drop the name: no homophone, no
    // unfit or odd character, no character of the other sex, a varied tone.
    const std::set<std::string> serious
        = { caution::Homophone, caution::Usage, caution::Sex, caution::Tones, caution::Missing };
    const char* const kNames[][3] = {
        { "张", "伟", "男" },
        { "王", "芳", "女" },
        { "李", "静", "女" },
        { "刘", "洋", "男" },
        { "陈", "浩然", "男" },
        { "杨", "子涵", "女" },
        { "赵", "欣怡", "女" },
        { "黄", "俊杰", "男" },
        { "周", "雨轩", "男" },
        { "吴", "思远", "男" },
        { "徐", "梦琪", "女" },
        { "孙", "博文", "男" },
        { "马", "晓明", "男" },
        { "朱", "家豪", "男" },
        { "胡", "佳怡", "女" },
        { "王", "嘉诚", "男" },
        { "郭", "宇泽", "男" },
        { "陈", "思琪", "女" },
        { "李", "安宁", "女" },
        { "杨", "昊然", "男" },
    };
    for (const auto& [surname, given, sex] : kNames) {
        SCOPED_TRACE(std::string(surname) + given);
        const auto cautions = advisorFor(f.db, surname, given).cautions(surname, given, sex);
        for (const Caution& c : cautions)
            EXPECT_FALSE(serious.count(c.kind)) << c.kind << ": " << c.text;
    }
}

TEST(NameAdvisorTest, CautionSentencesNameTheWordAndTheReason)
{
    AdviceDb f;
    const auto du = advisorFor(f.db, "杜", "子腾").cautions("杜", "子腾", "男");
    ASSERT_FALSE(du.empty());
    EXPECT_EQ(du.front(), (Caution { "谐音", "“杜子腾”读起来像“肚子疼”，容易被人取笑。" }));
    const auto shi = advisorFor(f.db, "张", "流逝").cautions("张", "流逝", "");
    ASSERT_EQ(kindsOf(shi).count("用字"), 1u);
    EXPECT_NE(describe(shi).find("“逝”不宜用于名字：意为死去、消逝。"), std::string::npos) << describe(shi);
    // Without a sex there is no 性别 caution.
    EXPECT_FALSE(kindsOf(advisorFor(f.db, "张", "娜").cautions("张", "娜", "")).count("性别"));
}

TEST(NameAdvisorTest, ExcludedCharacters)
{
    AdviceDb f;
    const NameAdvisor advisor = NameAdvisor::load(f.db, { "逝床娜伟龘刚" });
    struct Case {
        const char* character;
        const char* sex;
        Exclusion want;
    };
    const Case kCases[] = {
        { "逝", "男", Exclusion::Unfit },
        { "床", "女", Exclusion::Odd },
        { "娜", "男", Exclusion::OtherSex },
        { "娜", "女", Exclusion::None },
        { "刚", "女", Exclusion::OtherSex },
        { "刚", "", Exclusion::None }, // lists not chosen by sex
        { "伟", "男", Exclusion::None },
        { "龘", "男", Exclusion::Missing },
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.character) + c.sex);
        EXPECT_EQ(advisor.excludeCharacter(advisor.facts(c.character), c.sex), c.want);
    }
}

TEST(NameAdvisorTest, NearHomophonesAndTones)
{
    struct Merge {
        const char* plain;
        const char* merged;
    };
    for (const Merge& m : { Merge { "zhang", "zan" }, Merge { "chen", "cen" }, Merge { "shi", "si" },
             Merge { "neng", "len" }, Merge { "ning", "lin" }, Merge { "ni", "li" }, Merge { "song", "song" },
             Merge { "ang", "an" }, Merge { "wei", "wei" } })
        EXPECT_EQ(mergedSyllable(m.plain), m.merged) << m.plain;
    EXPECT_EQ(splitTone("lǜ"), (std::pair<std::string, std::uint8_t> { "lv", 4 }));
    EXPECT_EQ(splitTone("yang2"), (std::pair<std::string, std::uint8_t> { "yang", 2 }));
    EXPECT_EQ(splitTone("de"), (std::pair<std::string, std::uint8_t> { "de", 0 }));

    const auto facts = [](const char* c, std::vector<std::string> readings) {
        CharacterFacts f;
        f.character = c;
        f.known = true;
        f.readings = std::move(readings);
        return f;
    };
    const NameAdvisor advisor = NameAdvisor::build(
        { facts("杨", { "yáng" }), facts("伟", { "wěi" }), facts("维", { "wéi" }), facts("司", { "sī" }),
            facts("珍", { "zhēn" }), facts("香", { "xiāng" }), facts("长", { "zhǎng", "cháng" }),
            facts("统", { "tǒng" }), facts("范", { "fàn" }), facts("李", { "lǐ" }), facts("张", { "zhāng" }),
            facts("丽", { "lì" }), facts("乐", { "lè", "yuè" }) },
        { { "yang2 wei3", "阳痿", "疾病", "" }, { "shi zhen xiang", "屎真香", "粗俗", "" },
            { "chang tong", "肠通", "其他", "" }, { "zang li", "葬礼", "不祥", "" } });
    const auto hears = [&](std::initializer_list<const char*> name) {
        std::vector<const CharacterFacts*> chars;
        for (const char* c : name)
            chars.push_back(&advisor.facts(c));
        const HomophoneEntry* h = advisor.soundsLike(chars);
        return h ? h->word : std::string();
    };
    EXPECT_EQ(hears({ "杨", "伟" }), "阳痿");
    EXPECT_EQ(hears({ "杨", "维" }), ""); // yáng wéi: another tone, another word
    EXPECT_EQ(hears({ "李", "杨", "伟" }), "阳痿"); // inside a longer name
    EXPECT_EQ(hears({ "司", "珍", "香" }), "屎真香"); // s and sh merge
    EXPECT_EQ(hears({ "长", "统" }), "肠通"); // the second reading of 长
    EXPECT_EQ(hears({ "范", "伟" }), "");
    EXPECT_EQ(hears({ "张", "丽" }), ""); // two syllables: no near-homophones
    // One caution for a character written twice.
    const auto twice = advisor.cautions("李", "乐乐", "男");
    EXPECT_EQ(
        std::count_if(twice.begin(), twice.end(), [](const Caution& c) { return c.kind == caution::Polyphone; }), 1);
}

TEST(NameAdvisorTest, ReportBoxShowsTheCautionsEscaped)
{
    AdviceDb f;
    const NameAnalysis warned = analyseName(f.db, "杜", "子腾", "男");
    ASSERT_FALSE(warned.cautions.empty());
    const std::string page = reportPage(warned);
    EXPECT_NE(page.find("起名提示："), std::string::npos);
    EXPECT_NE(page.find("“杜子腾”读起来像“肚子疼”，容易被人取笑。"), std::string::npos);
    // Typed text goes in escaped: a character the dictionary lacks is named in a caution.
    const std::string odd = reportPage(analyseName(f.db, "张", "<b>", ""));
    EXPECT_EQ(odd.find("“<”"), std::string::npos);
    EXPECT_NE(odd.find("“&lt;”"), std::string::npos);
    EXPECT_NE(reportPage(analyseName(f.db, "王", "嘉诚", "男")).find("没有发现需要提醒的地方"), std::string::npos);
}
