// jiaming-cli lunar YYYY-MM-DD [HH[:MM[:SS]]] [--format F]
#include "chart/LunarCalendar.h"
#include "cli/Command.h"
#include "cli/DateArgument.h"

#include <ostream>

namespace jm::cli {
namespace {

constexpr const char* kUsage = "usage: jiaming-cli lunar YYYY-MM-DD [HH[:MM[:SS]]] [--format F]\n";

int runLunar(const std::vector<std::string>& raw, Io io)
{
    const Arguments args(raw, {}, { "format" });
    if (!args.error().empty()) {
        io.err << "jiaming-cli lunar: " << args.error() << "\n";
        return 2;
    }
    const auto& positional = args.positional();
    if (positional.empty() || positional.size() > 2) {
        io.err << kUsage;
        return 2;
    }
    std::string error;
    const auto moment = parseMoment(positional[0], positional.size() > 1 ? positional[1] : "", error);
    if (!moment) {
        io.err << "jiaming-cli lunar: " << error << "\n";
        return 2;
    }
    std::string year, month, day, hour;
    sexagenaryPillarNames(*moment, &year, &month, &day, &hour);
    io.out << formatLunarDate(*moment, args.value("format").value_or(std::string(kDefaultLunarFormat))) << "\n"
           << year << " " << month << " " << day << " " << hour << "\n";
    return 0;
}

const Registrar kRegistrar("lunar", "lunar YYYY-MM-DD [HH[:MM[:SS]]] [--format F]", runLunar);

} // namespace
} // namespace jm::cli
