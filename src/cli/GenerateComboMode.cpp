// jiaming-cli generate --mode combo [--chars TEXT]: combines the hanzi of TEXT.
#include "cli/GenerateModes.h"

namespace jm::cli {
namespace {

std::string configureCombo(const Arguments& args, GenerationRequest& request)
{
    if (const auto chars = args.value("chars")) request.combination.characters = *chars;
    return {};
}

const GenerateModeRegistrar kCombo("combo", { GenerationMode::Combination, "[--chars TEXT]", {}, configureCombo });

} // namespace
} // namespace jm::cli
