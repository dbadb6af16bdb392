#pragma once

#include "support/FixtureDatabase.h"

#include <string>

namespace jm::test {

/// Poets and poems over the characters of the standard fixture:
/// - poets 李白 (OrderId 1), 王维 (OrderId 2), 无名 (OrderId 3, no poems),
///   stored in the order 王维, 李白, 无名;
/// - 李白 (ids 10, 12) and 王维 (id 11) each have a poem titled "山中" with
///   different texts; 12 "长诗" has 31 characters once "，" and "。" are gone.
FixtureBuilder& addPoems(FixtureBuilder& builder);

/// Content and marked characters (首字母) of the fixture poems.
inline const std::string kLiBaiShanZhong = "明月照山林，海上小华安。";
inline const std::string kWangWeiShanZhong = "金山阿强，王伟华丰三。";
inline const std::string kLongPoem = "明华王海林，金山小儿阿。强安明华王，海林金山小。儿阿强安明，华王海林金。王。";

} // namespace jm::test
