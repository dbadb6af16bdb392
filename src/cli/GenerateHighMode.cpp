// jiaming-cli generate --mode high: the high-score mode has no options of its own.
#include "cli/GenerateModes.h"

namespace jm::cli {
namespace {

std::string configureHigh(const Arguments&, GenerationRequest&)
{
    return {};
}

const GenerateModeRegistrar kHigh("high", { GenerationMode::HighScore, "", {}, configureHigh });

} // namespace
} // namespace jm::cli
