#include "chart/SolarTermTable.h"

#include <array>
#include <cstddef>

namespace jm {
namespace {

constexpr int kYears = kSolarTermLastYear - kSolarTermFirstYear + 1;

constexpr std::int64_t kUnixSeconds[] = {
#include "chart/SolarTermTable.inc"
};
static_assert(std::size(kUnixSeconds) == static_cast<std::size_t>(kYears) * 24, "24 terms per year");

// Civil date of a day count from 1970-01-01 (H. Hinnant's days_from_civil inverse).
constexpr SolarTermRecord chinaStandardTime(std::int64_t unixSeconds)
{
    const std::int64_t local = unixSeconds + 8 * 3600;
    std::int64_t days = local / 86400;
    std::int64_t secondOfDay = local % 86400;
    if (secondOfDay < 0) {
        secondOfDay += 86400;
        --days;
    }
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t mp = (5 * dayOfYear + 2) / 153;
    const std::int64_t day = dayOfYear - (153 * mp + 2) / 5 + 1;
    const std::int64_t month = mp < 10 ? mp + 3 : mp - 9;
    return { static_cast<std::uint8_t>(month), static_cast<std::uint8_t>(day),
        static_cast<std::uint8_t>(secondOfDay / 3600), static_cast<std::uint8_t>(secondOfDay / 60 % 60),
        static_cast<std::uint8_t>(secondOfDay % 60) };
}

// The five-byte records, built once at compile time.
constexpr auto kRecords = [] {
    std::array<SolarTermRecord, std::size(kUnixSeconds)> records {};
    for (std::size_t i = 0; i < records.size(); ++i)
        records[i] = chinaStandardTime(kUnixSeconds[i]);
    return records;
}();

constexpr std::optional<std::size_t> position(int year, int k)
{
    if (year < kSolarTermFirstYear || year > kSolarTermLastYear || k < 1 || k > 24) return std::nullopt;
    return static_cast<std::size_t>(24 * (year - kSolarTermFirstYear) + k - 1);
}

} // namespace

std::optional<SolarTermRecord> solarTermRecord(int year, int k)
{
    const auto i = position(year, k);
    if (!i) return std::nullopt;
    return kRecords[*i];
}

std::optional<std::int64_t> solarTermUnixSeconds(int year, int k)
{
    const auto i = position(year, k);
    if (!i) return std::nullopt;
    return kUnixSeconds[*i];
}

} // namespace jm
