#include "cli/DateArgument.h"

#include <charconv>
#include <vector>

namespace jm::cli {
namespace {

// Splits at `separator`; every part must be 1..maxDigits ASCII digits.
std::optional<std::vector<int>> numbers(std::string_view text, char separator, std::size_t maxDigits)
{
    std::vector<int> values;
    while (true) {
        const std::size_t end = text.find(separator);
        const std::string_view part = text.substr(0, end);
        int value = 0;
        if (part.empty() || part.size() > maxDigits || part.find_first_not_of("0123456789") != std::string_view::npos)
            return std::nullopt;
        std::from_chars(part.data(), part.data() + part.size(), value);
        values.push_back(value);
        if (end == std::string_view::npos) return values;
        text.remove_prefix(end + 1);
    }
}

} // namespace

std::optional<DateTime> parseMoment(std::string_view date, std::string_view time, std::string& error)
{
    const auto ymd = numbers(date, '-', 4);
    if (!ymd || ymd->size() != 3 || (*ymd)[1] > 99 || (*ymd)[2] > 99) {
        error = "bad date (want YYYY-MM-DD): " + std::string(date);
        return std::nullopt;
    }
    DateTime moment { (*ymd)[0], (*ymd)[1], (*ymd)[2], 0, 0, 0 };
    if (!isValidDate(moment.year, moment.month, moment.day)) {
        error = "no such date: " + std::string(date);
        return std::nullopt;
    }
    if (moment.year > 2048 || daysSince1901(moment.year, moment.month, moment.day) < daysSince1901(1901, 2, 19)) {
        error = "date outside the calendar's range 1901-02-19 to 2048-12-31: " + std::string(date);
        return std::nullopt;
    }
    if (!time.empty()) {
        const auto hms = numbers(time, ':', 2);
        if (!hms || hms->size() > 3 || (*hms)[0] > 23 || (hms->size() > 1 && (*hms)[1] > 59)
            || (hms->size() > 2 && (*hms)[2] > 59)) {
            error = "bad time (want HH[:MM[:SS]], hour 0-23): " + std::string(time);
            return std::nullopt;
        }
        moment.hour = (*hms)[0];
        if (hms->size() > 1) moment.minute = (*hms)[1];
        if (hms->size() > 2) moment.second = (*hms)[2];
    }
    return moment;
}

} // namespace jm::cli
