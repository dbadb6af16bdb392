#include "generate/GenerationModes.h"

#include <array>
#include <utility>

namespace jm {

namespace {

// One line per available mode.
constexpr std::array<std::pair<GenerationMode, ModeFunction>, 7> kModes = { {
    { GenerationMode::HighScore, &runHighScoreMode },
    { GenerationMode::SuperLucky, &runSuperLuckyMode },
    { GenerationMode::Poem, &runPoemMode },
    { GenerationMode::Combination, &runCombinationMode },
    { GenerationMode::Nickname, &runNicknameMode },
    { GenerationMode::English, &runEnglishMode },
    { GenerationMode::Classic, &runClassicMode },
} };

} // namespace

ModeFunction modeFunction(GenerationMode mode)
{
    for (const auto& [m, f] : kModes)
        if (m == mode) return f;
    return nullptr;
}

} // namespace jm
