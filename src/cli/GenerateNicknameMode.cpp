// jiaming-cli generate --mode nickname [--pattern AA|小A|A儿|阿A] (AA when absent).
#include "cli/GenerateModes.h"

namespace jm::cli {
namespace {

std::string configureNickname(const Arguments& args, GenerationRequest& request)
{
    const std::string pattern = args.value("pattern").value_or("AA");
    if (pattern == "AA")
        request.nickname.pattern = NicknamePattern::AA;
    else if (pattern == "小A")
        request.nickname.pattern = NicknamePattern::XiaoA;
    else if (pattern == "A儿")
        request.nickname.pattern = NicknamePattern::AEr;
    else if (pattern == "阿A")
        request.nickname.pattern = NicknamePattern::AhA;
    else
        return "--pattern must be AA, 小A, A儿 or 阿A";
    return {};
}

const GenerateModeRegistrar kNickname(
    "nickname", { GenerationMode::Nickname, "[--pattern AA|小A|A儿|阿A]", {}, configureNickname });

} // namespace
} // namespace jm::cli
