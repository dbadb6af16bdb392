// jiaming-cli generate --mode classic: prints the text of the classic box as it is.
#include "cli/GenerateModes.h"

namespace jm::cli {
namespace {

std::string configureClassic(const Arguments&, GenerationRequest&)
{
    return {};
}

const GenerateModeRegistrar kClassic("classic", { GenerationMode::Classic, "", {}, configureClassic });

} // namespace
} // namespace jm::cli
