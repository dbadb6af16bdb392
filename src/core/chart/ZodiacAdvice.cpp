#include "chart/ZodiacAdvice.h"

#include "chart/LunarCalendar.h"

#include <array>

namespace jm {
namespace {

struct Advice {
    std::string_view animal;
    std::string_view good; // radicals, joined by 、 in the text
    std::string_view bad;
    std::string_view ending;
};

// clang-format off
constexpr std::array<Advice, 12> kAdvice = {{
    {"鼠", "宀米豆鱼艹金玉人木月田钅", "山刀力弓土穴心石皮氵马酉才火车", ""},
    {"牛", "水艹豆米金玉宀人木氵钅", "月火田车马石血纟刀几", ""},
    {"虎", "山玉金木示水月犭马氵钅", "日火田口几纟石刀血弓父足", ""},
    {"兔", "月艹山田人禾木宀金白玉豆钅", "马车石刀力皮水川", ""},
    {"龙", "水金玉白赤月鱼酉人氵钅", "土田木禾示心日石艹力刀纟犭火", ""},
    {"蛇", "艹虫豆鱼酉木田山金玉月土钅", "小石刀血弓火人犭父纟", " "},
    {"马", "艹金玉木禾虫米人月土才钅", "田日火水车石力刀酉马", " "},
    {"羊", "金白玉月田豆米马禾木人艹鱼", "小犭纟车山水日火", ""},
    {"猴", "木禾金玉豆米田山月水人氵", "火石口冖纟刀力皮犭", ""},
    {"鸡", "米豆虫木禾玉月宀山艹金钅", "石犭刀力日酉血弓才乡车马", ""},
    {"狗", "鱼豆米宀马金玉艹田木月禾水人氵钅", "火石纟山才日酉车刀父言", ""},
    {"猪", "豆米鱼水金玉月木人山土艹氵", "纟石刀力血弓几皮父", ""},
}};
// clang-format on

// Every radical above is one three-byte UTF-8 character.
std::string joinRadicals(std::string_view radicals)
{
    std::string joined;
    for (std::size_t i = 0; i < radicals.size(); i += 3) {
        if (i != 0) joined += "、";
        joined.append(radicals.substr(i, 3));
    }
    return joined;
}

const std::array<std::string, 12>& zodiacAdviceTable()
{
    static const std::array<std::string, 12> table = [] {
        std::array<std::string, 12> texts;
        for (std::size_t i = 0; i < kAdvice.size(); ++i) {
            const Advice& a = kAdvice[i];
            std::string& t = texts[i];
            t.append("生肖属相：").append(a.animal).append("。\r\n\r\n");
            t.append(a.animal).append("年出生的人取名偏旁部首：\r\n\r\n");
            t.append("宜：").append(joinRadicals(a.good)).append("等部首为吉。\r\n\r\n");
            t.append("忌：").append(joinRadicals(a.bad)).append("等部首。").append(a.ending);
        }
        return texts;
    }();
    return table;
}

} // namespace

std::string_view zodiacAdviceText(int branch)
{
    if (branch < 1 || branch > 12) return {};
    return zodiacAdviceTable()[static_cast<std::size_t>(branch - 1)];
}

void appendZodiacAdvice(std::string& text, std::string_view yearPillarName)
{
    for (int i = 1; i <= 60; ++i) {
        if (ganZhiName(i) == yearPillarName) {
            text.append(zodiacAdviceText(branchOf(i)));
            return;
        }
    }
}

} // namespace jm
