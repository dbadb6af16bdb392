#include "support/PoemFixture.h"

namespace jm::test {

FixtureBuilder& addPoems(FixtureBuilder& b)
{
    b.row("NM_Poet", { "1", "王维", "1", "2" });
    b.row("NM_Poet", { "2", "李白", "2", "1" });
    b.row("NM_Poet", { "3", "无名", "0", "3" });
    b.row("NM_全唐诗", { "11", "山中", "王维", kWangWeiShanZhong, "金王", "10" });
    b.row("NM_全唐诗", { "10", "山中", "李白", kLiBaiShanZhong, "明海", "10" });
    b.row("NM_全唐诗", { "12", "长诗", "李白", kLongPoem, "明李", "31" });
    return b;
}

} // namespace jm::test
