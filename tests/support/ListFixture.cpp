#include "support/ListFixture.h"

#include "generate/CharacterLists.h"
#include "resources/Resources.h"
#include "text/Text.h"

#include <cstdint>
#include <set>
#include <string>

namespace jm::test {

namespace {

std::uint64_t hashOf(const std::string& text)
{
    std::uint64_t h = 1469598103934665603ull; // FNV-1a
    for (unsigned char c : text)
        h = (h ^ c) * 1099511628211ull;
    h ^= h >> 29; // spread the low bits a little
    return h * 0xbf58476d1ce4e5b9ull;
}

} // namespace

FixtureBuilder listFixture()
{
    FixtureBuilder b = FixtureBuilder::standard();
    // The characters the standard fixture already holds keep their rows.
    std::set<std::string> seen = { "张", "三", "丰", "伟", "欧", "阳", "娜", "于", "李", "明", "华", "王", "海", "林",
        "金", "山", "小", "儿", "阿", "强", "安", "诸", "葛", "丁" };
    static const char* kElements[5] = { "金", "木", "水", "火", "土" };
    for (std::string_view list :
        { maleCharacters(), femaleCharacters(), embeddedResource("lists/MalePleasantCharacters.txt"),
            embeddedResource("lists/FemalePleasantCharacters.txt") }) {
        for (const std::string& ch : splitCharacters(list)) {
            if (ch == "\n" || ch == "\r" || !seen.insert(ch).second) continue;
            const std::uint64_t h = hashOf(ch);
            const int simplified = 3 + static_cast<int>(h % 14);
            const int extra = (h >> 8) % 4 == 0 ? static_cast<int>((h >> 12) % 7) : 0;
            const bool unusable = (h >> 20) % 50 == 0;
            b.character({ ch, simplified, simplified + extra, unusable ? "" : kElements[(h >> 24) % 5] });
        }
    }
    return b;
}

} // namespace jm::test
