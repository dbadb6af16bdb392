#pragma once

#include "generate/GenerationSink.h"

#include <string>

namespace jm {

/// Why a run listed no name, in words for the user; the window and the
/// command line both show this text. Empty when the run listed something,
/// was stopped before its end, or produces a text (classic).
///
/// The reasons, first match wins: super-lucky with no filter switched on; a
/// poem with no character ticked; a combination box without a Chinese
/// character besides the surname; a generation character (辈份) holding the
/// surname; no candidate character usable; every candidate holding the
/// surname or left out as unsuitable; no name reaching the run's threshold;
/// an English name without a near English initial or length match.
std::string emptyListReason(const GenerationResult& result);

} // namespace jm
