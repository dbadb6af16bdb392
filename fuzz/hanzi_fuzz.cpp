// The combination mode takes the characters of a box the user types into.
#include "FuzzCheck.h"
#include "generate/CombinationMode.h"
#include "text/Text.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string kept = jm::keepHanzi(text);
    // Only hanzi are kept, each a GB2312 hanzi on its own, and keeping them again changes nothing.
    for (const std::string& c : jm::splitCharacters(kept))
        FUZZ_CHECK(jm::isHanzi(c));
    FUZZ_CHECK(jm::keepHanzi(kept) == kept);
    FUZZ_CHECK(kept.size() <= text.size());
    return 0;
}
