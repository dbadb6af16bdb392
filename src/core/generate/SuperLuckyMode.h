#pragma once

#include "generate/GenerationRequest.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace jm {

/// The most names a super-lucky list holds.
inline constexpr std::size_t kSuperLuckyCapacity = 100000;

/// The five element captions in box order.
inline constexpr const char* kAllElements = "金木水火土";

/// The element sets a super-lucky run filters with, built from the four
/// check-box groups.
struct ElementSets {
    std::string second; ///< allowed elements of the second character of the full name
    std::string third; ///< allowed elements of the third character
    std::string mustHave; ///< every given-name character has one of these
    std::string mustNot; ///< no given-name character has any of these

    static ElementSets from(const SuperLuckyOptions& options);
    /// True when `element` (one element text) belongs to `set`.
    static bool contains(std::string_view set, std::string_view element)
    {
        return !element.empty() && set.find(element) != std::string_view::npos;
    }
};

/// The threshold for a surname whose 天格 has this grade: 大凶 96, 凶 98,
/// 中 99, 吉 and 大吉 100, anything else 0.
int superLuckyThreshold(std::string_view heavenGrade);

} // namespace jm
