#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace jm {

/// Kinds of caution, as shown to the user.
namespace caution {
inline constexpr const char* Homophone = "谐音";
inline constexpr const char* Tones = "声调";
inline constexpr const char* Usage = "用字";
inline constexpr const char* Sex = "性别";
inline constexpr const char* Rare = "生僻";
inline constexpr const char* Polyphone = "多音";
inline constexpr const char* Missing = "未收录";
} // namespace caution

/// The kinds in the order the cautions of a name are told.
enum class CautionKind : std::uint8_t { Homophone, Tones, Usage, Sex, Rare, Polyphone, Missing };
inline constexpr const char* kCautionKinds[] = { caution::Homophone, caution::Tones, caution::Usage, caution::Sex,
    caution::Rare, caution::Polyphone, caution::Missing };

/// Something a parent should know about a full name: its kind (one of
/// `caution::*`) and a sentence in Chinese.
struct Caution {
    std::string kind;
    std::string text;
    bool operator==(const Caution&) const = default;
};

/// Why a default list leaves a name out, in the order the checks run.
enum class Exclusion : std::uint8_t {
    None,
    Missing, ///< a given-name character the dictionary lacks (or without element or strokes)
    Unfit, ///< a character marked 忌
    Odd, ///< a character marked 僻
    OtherSex, ///< a character leaning to the other sex (lists chosen by sex)
    SurnameInside, ///< a character of the surname in the given name
    Homophone, ///< the full name sounds like a listed word
    Repeat, ///< the same given name is already listed
};
inline constexpr std::size_t kExclusionCount = 8;
/// A short Chinese label of an exclusion ("忌用字" ...), for reports.
std::string_view exclusionLabel(Exclusion e);

} // namespace jm
