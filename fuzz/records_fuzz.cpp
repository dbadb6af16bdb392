// The record list "名字记录" comes from the settings file.
#include "FuzzCheck.h"
#include "settings/Settings.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto records = jm::decodeRecordList(text);
    // Saving what was read and reading it again loses and adds nothing.
    const std::string encoded = jm::encodeRecordList(records);
    FUZZ_CHECK(jm::decodeRecordList(encoded) == records);
    FUZZ_CHECK(jm::encodeRecordList(jm::decodeRecordList(encoded)) == encoded);
    return 0;
}
