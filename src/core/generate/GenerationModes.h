#pragma once

#include "generate/GenerationRequest.h"

namespace jm {

class GenerationRun;

/// Performs one mode inside the run skeleton: set-up, candidate names and
/// listing, reporting through the run's sink. Returns when done or stopped.
using ModeFunction = void (*)(GenerationRun& run);

/// The function of a mode; null while the mode is not available. Each mode
/// lives in a file of its own (HighScoreMode.cpp, ...) and is entered in the
/// table of GenerationModes.cpp.
ModeFunction modeFunction(GenerationMode mode);

/// The modes, one function each.
void runHighScoreMode(GenerationRun& run);
void runSuperLuckyMode(GenerationRun& run);
void runPoemMode(GenerationRun& run);
void runCombinationMode(GenerationRun& run);
void runNicknameMode(GenerationRun& run);
void runEnglishMode(GenerationRun& run);
void runClassicMode(GenerationRun& run);

} // namespace jm
