// The dictionary's search page comes from the network: the pronunciation
// address is searched in whatever it holds.
#include "FuzzCheck.h"
#include "generate/EnglishMode.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view page(reinterpret_cast<const char*>(data), size);
    const std::string address = jm::pronunciationAddress(page);
    if (!address.empty()) {
        FUZZ_CHECK(address.size() >= 4 && address.ends_with(".mp3"));
        FUZZ_CHECK(address.size() <= page.size());
        FUZZ_CHECK(page.find(address.substr(0, address.size() - 4)) != std::string_view::npos);
    }
    // The search address never carries raw bytes of the name.
    const std::string url = jm::pronunciationSearchUrl("http://127.0.0.1:8080/", page.substr(0, 64));
    for (const char c : url)
        FUZZ_CHECK(c > 0x20 && c < 0x7F);
    return 0;
}
