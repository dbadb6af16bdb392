// jiaming-cli generate --mode poem --poet P --title T [--chars TEXT]: names from
// the characters of one poem; without --chars, from the characters a poem
// marks (the boxes that start checked on the poem page: without --all, those
// the database judges fit for a name).
#include "cli/GenerateModes.h"
#include "generate/PoemMode.h"
#include "text/Text.h"

namespace jm::cli {
namespace {

std::string configurePoem(const Arguments& args, GenerationRequest& request)
{
    if (!args.has("poet")) return "missing --poet";
    if (!args.has("title")) return "missing --title";
    if (const auto chars = args.value("chars")) request.poem.characters = splitCharacters(*chars);
    return {};
}

std::string resolvePoem(NameDatabase& db, const Arguments& args, GenerationRequest& request)
{
    const std::string poet = args.value("poet").value_or("");
    const std::string title = args.value("title").value_or("");
    const auto poem = findPoem(db, poet, title);
    if (!poem) return "no poem titled " + title + " by " + poet;
    if (!args.has("chars"))
        request.poem.characters
            = request.showAllNames ? defaultCheckedCharacters(*poem) : suitableCheckedCharacters(db, *poem);
    return {};
}

const GenerateModeRegistrar kPoem(
    "poem", { GenerationMode::Poem, "--poet P --title T [--chars TEXT]", {}, configurePoem, resolvePoem });

} // namespace
} // namespace jm::cli
