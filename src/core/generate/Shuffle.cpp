#include "generate/Shuffle.h"

#include <atomic>
#include <chrono>
#include <limits>

namespace jm {

std::uint64_t freshShuffleSeed()
{
    static std::atomic<std::uint64_t> offset { 0 };
    const auto ms
        = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
              .count();
    return static_cast<std::uint64_t>(ms) + offset.fetch_add(1, std::memory_order_relaxed);
}

std::uint64_t drawBelow(ShuffleRandom& random, std::uint64_t bound)
{
    // Rejection keeps the draw exactly uniform: values in the incomplete last
    // block of `bound` are drawn again.
    const std::uint64_t limit
        = std::numeric_limits<std::uint64_t>::max() - std::numeric_limits<std::uint64_t>::max() % bound;
    std::uint64_t value;
    do {
        value = random();
    } while (value >= limit);
    return value % bound;
}

void shuffleTexts(std::vector<std::string>& items, ShuffleRandom& random)
{
    const std::size_t n = items.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const std::size_t j = i + static_cast<std::size_t>(drawBelow(random, n - i));
        if (j != i) std::swap(items[i], items[j]);
    }
}

} // namespace jm
