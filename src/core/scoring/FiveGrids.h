#pragma once

#include "data/CharacterRepository.h"

#include <array>
#include <string>
#include <string_view>

namespace jm {

/// One of "金" "木" "水" "火" "土"; the empty text is no element.
using Element = std::string;

/// What the grid arithmetic needs of one character: the strokes and element
/// of its NM_CNWord row. An absent character has 0, 0 and empty texts.
using CharacterInfo = CharacterStrokes;

/// The input of `computeFiveGrids`: part lengths as `splitCharacters` counts
/// them and the first two characters of each part (absent when missing).
struct NameLayout {
    int surnameLength = 0;
    int givenLength = 0;
    CharacterInfo S1, S2, G1, G2;
};

struct FiveGrids {
    int 天格 = 0;
    int 人格 = 0;
    int 地格 = 0;
    int 总格 = 0;
    int 外格 = 0;
    /// Elements of 天格, 人格, 地格, 总格, 外格 in this order.
    std::array<std::string, 5> gridElements;
    /// Elements of 天格, 人格 and 地格 concatenated, e.g. "木火木".
    std::string 三才;
    int simplifiedTotal = 0;
    /// Elements of S1, S2, G1, G2 concatenated (absent characters add nothing).
    std::string elementsText;
};

/// Element of a grid number by its last digit (1,2 木; 3,4 火; 5,6 土; 7,8 金; 9,0 水);
/// empty for a negative number.
std::string_view elementOfNumber(int n);

/// The numbers of the five grids and the simplified total, without texts.
struct GridNumbers {
    int 天格 = 0;
    int 人格 = 0;
    int 地格 = 0;
    int 总格 = 0;
    int 外格 = 0;
    int simplifiedTotal = 0;
};
/// The numbers `computeFiveGrids` gives for a layout of these characters
/// (null: absent).
GridNumbers gridNumbers(int surnameLength, int givenLength, const CharacterInfo* s1, const CharacterInfo* s2,
    const CharacterInfo* g1, const CharacterInfo* g2);

/// The five grids of a name. A part of length 1 is single; any other length
/// (0 included) uses the two-character layout.
FiveGrids computeFiveGrids(const NameLayout& layout);

/// True when the character has an element and a non-zero simplified count.
bool isUsableCharacter(const CharacterInfo& info);

/// "天格,人格,地格,总格,外格" in decimal, e.g. "12,14,21,32,19".
std::string gridsText(const FiveGrids& grids);

} // namespace jm
