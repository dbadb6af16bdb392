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

GridNumbers gridNumbers(int surnameLength, int givenLength, const CharacterInfo* S1, const CharacterInfo* S2,
    const CharacterInfo* G1, const CharacterInfo* G2)
{
    const bool singleSurname = surnameLength == 1;
    const bool singleGiven = givenLength == 1;
    const int s1 = S1 ? S1->traditionalStrokes : 0;
    const int s2 = S2 ? S2->traditionalStrokes : 0;
    const int g1 = G1 ? G1->traditionalStrokes : 0;
    const int g2 = G2 ? G2->traditionalStrokes : 0;

    GridNumbers g;
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
    for (const CharacterInfo* c : { S1, S2, G1, G2 })
        if (c) g.simplifiedTotal += c->simplifiedStrokes;
    return g;
}

FiveGrids computeFiveGrids(const NameLayout& layout)
{
    const GridNumbers n
        = gridNumbers(layout.surnameLength, layout.givenLength, &layout.S1, &layout.S2, &layout.G1, &layout.G2);
    FiveGrids g;
    g.天格 = n.天格;
    g.人格 = n.人格;
    g.地格 = n.地格;
    g.总格 = n.总格;
    g.外格 = n.外格;
    const int numbers[5] = { g.天格, g.人格, g.地格, g.总格, g.外格 };
    for (int i = 0; i < 5; ++i)
        g.gridElements[static_cast<std::size_t>(i)] = elementOfNumber(numbers[i]);
    g.三才 = g.gridElements[0] + g.gridElements[1] + g.gridElements[2];
    g.simplifiedTotal = n.simplifiedTotal;
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
