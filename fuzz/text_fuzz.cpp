// Typed names and every stored text pass through the character splitter and
// the GBK codec.
#include "FuzzCheck.h"
#include "text/Text.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);

    const auto characters = jm::splitCharacters(input);
    std::string joined;
    for (const std::string& c : characters) {
        FUZZ_CHECK(!c.empty() && c.size() <= 4);
        joined += c;
    }
    // Nothing is dropped: the pieces give the text back, unless it was blank.
    FUZZ_CHECK(characters.empty() ? jm::isBlank(input) : joined == input);
    FUZZ_CHECK(characters.size() == (jm::isBlank(input) ? 0 : jm::characterCount(input)));

    // GB18030 covers all of Unicode: well-formed text survives the round trip.
    const std::string decoded = jm::fromGbk(input);
    FUZZ_CHECK(jm::fromGbk(jm::toGbk(decoded)) == decoded);

    const std::string escaped = jm::htmlEscape(input);
    FUZZ_CHECK(escaped.find('<') == std::string::npos && escaped.find('>') == std::string::npos);
    return 0;
}
