#pragma once

#include <cstddef>

namespace jm {

/// Candidate characters taken from the shuffled list, by name length.
inline constexpr std::size_t kHighScoreCandidatesTwo = 400;
inline constexpr std::size_t kHighScoreCandidatesOne = 1000;
/// The most names a high-score list holds.
inline constexpr std::size_t kHighScoreCapacity = 10000;
/// Threshold of two-character names without a generation character; every
/// other case lists all names (threshold 0).
inline constexpr int kHighScoreThreshold = 90;
/// Shown before listing two-character names with a generation character (warning icon).
inline constexpr const char* kMessageGenerationCharacterSet = "设定辈份后,产生的名字较少,所以系统将显示全部名字";

} // namespace jm
