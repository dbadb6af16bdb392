// jiaming-cli chart YYYY-MM-DD HOUR
#include "chart/BirthChart.h"
#include "cli/Command.h"
#include "cli/DateArgument.h"
#include "text/Text.h"

#include <ostream>

namespace jm::cli {
namespace {

constexpr const char* kUsage = "usage: jiaming-cli chart YYYY-MM-DD HOUR\n";

int runChart(const std::vector<std::string>& raw, Io io)
{
    const Arguments args(raw, {}, {});
    if (!args.error().empty()) {
        io.err << "jiaming-cli chart: " << args.error() << "\n";
        return 2;
    }
    if (args.positional().size() != 2) {
        io.err << kUsage;
        return 2;
    }
    const std::string& hourText = args.positional()[1];
    if (hourText.find(':') != std::string::npos) {
        io.err << "jiaming-cli chart: the hour is a whole number 0-23: " << hourText << "\n";
        return 2;
    }
    std::string error;
    const auto moment = parseMoment(args.positional()[0], hourText, error);
    if (!moment) {
        io.err << "jiaming-cli chart: " << error << "\n";
        return 2;
    }
    // The date boxes hold plain numbers without leading zeros.
    const BirthChart chart
        = runBirthChart(decimal(moment->year), decimal(moment->month), decimal(moment->day), decimal(moment->hour));
    std::string text = chart.text;
    replaceAll(text, "\r\n", "\n");
    io.out << text << "\n";
    return 0;
}

const Registrar kRegistrar("chart", "chart YYYY-MM-DD HOUR", runChart);

} // namespace
} // namespace jm::cli
