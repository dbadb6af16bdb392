#include "scoring/FiveGrids.h"

namespace jm {

std::string_view elementOfNumber(int n)
{
    if (n < 0) return {};
    switch (n % 10) {
    case 1:
    case 2:
        return "木";
    case 3:
    case 4:
        return "火";
    case 5:
    case 6:
        return "土";
    case 7:
    case 8:
        return "金";
    default:
        return "水";
    }
}

FiveGrids computeFiveGrids(const NameLayout& layout)
{
    const bool singleSurname = layout.surnameLength == 1;
    const bool singleGiven = layout.givenLength == 1;
    const int s1 = layout.S1.traditionalStrokes;
    const int s2 = layout.S2.traditionalStrokes;
    const int g1 = layout.G1.traditionalStrokes;
    const int g2 = layout.G2.traditionalStrokes;

    FiveGrids g;
    g.天格 = singleSurname ? s1 + 1 : s1 + s2;
    g.人格 = (singleSurname ? s1 : s2) + g1;
    g.地格 = singleGiven ? g1 + 1 : g1 + g2;
    g.总格 = s1 + s2 + g1 + g2;
    if (singleSurname && singleGiven)
        g.外格 = 2;
    else if (!singleSurname && !singleGiven)
        g.外格 = g.总格 - g.人格;
    else
        g.外格 = g.总格 - g.人格 + 1;

    const int numbers[5] = { g.天格, g.人格, g.地格, g.总格, g.外格 };
    for (int i = 0; i < 5; ++i)
        g.gridElements[static_cast<std::size_t>(i)] = elementOfNumber(numbers[i]);
    g.三才 = g.gridElements[0] + g.gridElements[1] + g.gridElements[2];
    g.simplifiedTotal = layout.S1.simplifiedStrokes + layout.S2.simplifiedStrokes + layout.G1.simplifiedStrokes
        + layout.G2.simplifiedStrokes;
    g.elementsText = layout.S1.element + layout.S2.element + layout.G1.element + layout.G2.element;
    return g;
}

bool isUsableCharacter(const CharacterInfo& info)
{
    return !info.element.empty() && info.simplifiedStrokes != 0;
}

std::string gridsText(const FiveGrids& g)
{
    return std::to_string(g.天格) + "," + std::to_string(g.人格) + "," + std::to_string(g.地格) + ","
        + std::to_string(g.总格) + "," + std::to_string(g.外格);
}

} // namespace jm
