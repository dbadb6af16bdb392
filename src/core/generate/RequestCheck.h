#pragma once

#include "Result.h"
#include "data/NameDatabase.h"
#include "generate/GenerationRequest.h"

namespace jm {

/// Checks a request before its run starts, the same way for the window and
/// the command line, and puts the checked texts into it:
/// - the surname (checkSurname; replaced by its dictionary form, 張 → 张),
///   for every mode but the English one, whose page checks its own inputs;
/// - the fixed generation character when one is set (checkGenerationCharacter);
/// - for the combination and poem modes, at most kMaxCandidateCharacters
///   distinct characters to combine.
/// The failure's message is for the user; the request is then unchanged.
Result<void> checkGenerationRequest(NameDatabase& db, GenerationRequest& request);

} // namespace jm
