#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace jm {

/// The pseudo-random generator of a run's shuffles.
using ShuffleRandom = std::mt19937_64;

/// A seed for a run that was not given one: the clock in milliseconds plus a
/// running offset, so two seeds drawn within the same millisecond differ.
std::uint64_t freshShuffleSeed();

/// A number drawn uniformly from [0, bound) (bound > 0). Unlike
/// std::uniform_int_distribution the sequence is the same with every
/// standard library, so a seed repeats a run anywhere.
std::uint64_t drawBelow(ShuffleRandom& random, std::uint64_t bound);

/// Reorders `items` in place, every order equally likely: for each position
/// i but the last, swap item i with an item drawn from positions i..n-1.
void shuffleTexts(std::vector<std::string>& items, ShuffleRandom& random);

} // namespace jm
