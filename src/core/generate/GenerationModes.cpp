#include "generate/GenerationModes.h"

#include <array>
#include <utility>

namespace jm {

namespace {

// One line per available mode.
constexpr std::array<std::pair<GenerationMode, ModeFunction>, 5> kModes = {{
    {GenerationMode::HighScore, &runHighScoreMode},
    {GenerationMode::SuperLucky, &runSuperLuckyMode},
    {GenerationMode::Combination, &runCombinationMode},
    {GenerationMode::Nickname, &runNicknameMode},
    {GenerationMode::Classic, &runClassicMode},
}};

} // namespace

ModeFunction modeFunction(GenerationMode mode)
{
    for (const auto& [m, f] : kModes)
        if (m == mode) return f;
    return nullptr;
}

} // namespace jm
