// The birth chart reads the texts of the date and hour boxes.
#include "FuzzCheck.h"
#include "chart/BirthChart.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Year, month, day and hour texts, separated by '|'.
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::array<std::string_view, 4> fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::size_t bar = input.find('|');
        fields[i] = input.substr(0, bar);
        input = bar == std::string_view::npos ? std::string_view() : input.substr(bar + 1);
    }
    const jm::BirthChart chart = jm::runBirthChart(fields[0], fields[1], fields[2], fields[3]);
    FUZZ_CHECK(!chart.text.empty()); // a chart or the reason why there is none
    return 0;
}
