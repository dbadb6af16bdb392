// jiaming-cli generate --mode super [--filter GROUP:ELEMENTS]...
//   GROUP second|third|must|none; ELEMENTS any of 金木水火土, possibly none
//   ("--filter must:" switches the group on with no box checked).
#include "cli/GenerateModes.h"
#include "generate/SuperLuckyMode.h"
#include "text/Text.h"

#include <set>

namespace jm::cli {
namespace {

std::string configureSuper(const Arguments& args, GenerationRequest& request)
{
    SuperLuckyOptions& options = request.superLucky;
    const std::pair<const char*, ElementFilterGroup*> groups[] = { { "second", &options.secondCharacter },
        { "third", &options.thirdCharacter }, { "must", &options.allMustHave }, { "none", &options.noneMayHave } };
    std::map<ElementFilterGroup*, std::set<std::string>> checked;
    for (const std::string& filter : args.values("filter")) {
        const auto colon = filter.find(':');
        const std::string name = filter.substr(0, colon);
        ElementFilterGroup* group = nullptr;
        for (const auto& [n, g] : groups)
            if (name == n) group = g;
        if (colon == std::string::npos || !group)
            return "--filter must be GROUP:ELEMENTS with GROUP second, third, must or none";
        group->enabled = true;
        for (const std::string& element : splitCharacters(filter.substr(colon + 1))) {
            if (std::string_view(kAllElements).find(element) == std::string_view::npos || element.size() != 3)
                return "--filter elements must be among 金木水火土: " + element;
            checked[group].insert(element);
        }
    }
    // Joined in box order, as the check boxes yield them.
    for (auto& [group, elements] : checked)
        for (const std::string& element : splitCharacters(kAllElements))
            if (elements.count(element)) group->elements += element;
    return {};
}

const GenerateModeRegistrar kSuper(
    "super", { GenerationMode::SuperLucky, "[--filter second|third|must|none:ELEMENTS]...", {}, configureSuper });

} // namespace
} // namespace jm::cli
