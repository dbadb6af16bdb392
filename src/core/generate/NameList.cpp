#include "generate/NameList.h"

#include "generate/GenerationSink.h"
#include "text/Text.h"

#include <array>
#include <charconv>

namespace jm {

NameList::NameList(
    std::string surname, std::string sex, std::vector<std::string> partTexts, CharacterTable table, NameAdvisor advisor)
    : m_surname(std::move(surname))
    , m_sex(std::move(sex))
    , m_table(std::move(table))
    , m_advisor(std::move(advisor))
{
    // Pointers into the table and the advisor are taken once both are in place.
    m_parts.resize(partTexts.size());
    for (std::size_t i = 0; i < partTexts.size(); ++i) {
        Part& p = m_parts[i];
        p.text = std::move(partTexts[i]);
        const auto chars = splitCharacters(p.text);
        p.count = static_cast<int>(chars.size());
        if (p.count >= 1) p.c1 = m_table.find(chars[0]);
        if (p.count >= 2) p.c2 = m_table.find(chars[1]);
        for (const std::string& ch : chars)
            p.facts.push_back(&m_advisor.facts(ch));
    }
    const auto surnameChars = splitCharacters(m_surname);
    for (const std::string& ch : surnameChars)
        m_surnameFacts.push_back(&m_advisor.facts(ch));
    if (!surnameChars.empty()) m_s1 = m_table.find(surnameChars[0]);
    if (surnameChars.size() >= 2) m_s2 = m_table.find(surnameChars[1]);
}

NameList::Given NameList::given(std::uint32_t first, std::uint32_t second) const
{
    const Part& a = m_parts[first];
    const Part* b = second == CandidateName::kNoPart ? nullptr : &m_parts[second];
    Given g { a.count + (b ? b->count : 0), a.c1, a.c2 };
    if (a.count == 1) {
        g.g2 = b ? b->c1 : nullptr;
    } else if (a.count == 0) {
        g.g1 = b ? b->c1 : nullptr;
        g.g2 = b ? b->c2 : nullptr;
    }
    return g;
}

std::string NameList::givenName(const ListedName& name) const
{
    std::string text = m_parts[name.first].text;
    if (name.second != CandidateName::kNoPart) text += m_parts[name.second].text;
    return text;
}

std::vector<Caution> NameList::cautions(const ListedName& name) const
{
    if (!name.cautionKinds) return {};
    std::vector<const CharacterFacts*> given = m_parts[name.first].facts;
    if (name.second != CandidateName::kNoPart)
        given.insert(given.end(), m_parts[name.second].facts.begin(), m_parts[name.second].facts.end());
    return m_advisor.cautions(m_surnameFacts, given, m_sex);
}

namespace {

/// What the cells of a row are made of: the grid numbers and the characters.
struct RowParts {
    GridNumbers numbers;
    std::array<const CharacterInfo*, 4> characters;
};

std::string gridCell(const GridNumbers& n)
{
    char buffer[64];
    char* p = buffer;
    for (const int v : { n.天格, n.人格, n.地格, n.总格, n.外格 }) {
        if (p != buffer) *p++ = ',';
        p = std::to_chars(p, buffer + sizeof buffer, v).ptr;
    }
    return std::string(buffer, p);
}

std::string elementsCell(const RowParts& r)
{
    std::string text;
    for (const CharacterInfo* c : r.characters)
        if (c) text += c->element;
    return text;
}

std::string threeTalentsCell(const GridNumbers& n)
{
    std::string text;
    for (const int v : { n.天格, n.人格, n.地格 })
        text += elementOfNumber(v);
    return text;
}

} // namespace

NameRow NameList::row(const ListedName& name, std::size_t number, bool withCautions) const
{
    const Given g = given(name.first, name.second);
    const RowParts parts { gridNumbers(surnameLength(), g.length, m_s1, m_s2, g.g1, g.g2), { m_s1, m_s2, g.g1, g.g2 } };
    NameRow row;
    row[NameRow::Number] = std::to_string(number);
    row[NameRow::Name] = m_surname + givenName(name);
    row[NameRow::SimplifiedStrokes] = std::to_string(parts.numbers.simplifiedTotal);
    row[NameRow::TraditionalStrokes] = std::to_string(parts.numbers.总格);
    row[NameRow::Elements] = elementsCell(parts);
    row[NameRow::Grids] = gridCell(parts.numbers);
    row[NameRow::ThreeTalents] = threeTalentsCell(parts.numbers);
    row[NameRow::Score] = std::to_string(name.score);
    row.sortKey = name.score;
    if (withCautions) row.cautions = cautions(name);
    return row;
}

std::string NameList::cell(const ListedName& name, std::size_t number, NameRow::Column column) const
{
    switch (column) {
    case NameRow::Number:
        return std::to_string(number);
    case NameRow::Name:
        return m_surname + givenName(name);
    case NameRow::Score:
        return std::to_string(name.score);
    default:
        break;
    }
    const Given g = given(name.first, name.second);
    const RowParts parts { gridNumbers(surnameLength(), g.length, m_s1, m_s2, g.g1, g.g2), { m_s1, m_s2, g.g1, g.g2 } };
    switch (column) {
    case NameRow::SimplifiedStrokes:
        return std::to_string(parts.numbers.simplifiedTotal);
    case NameRow::TraditionalStrokes:
        return std::to_string(parts.numbers.总格);
    case NameRow::Elements:
        return elementsCell(parts);
    case NameRow::Grids:
        return gridCell(parts.numbers);
    default:
        return threeTalentsCell(parts.numbers);
    }
}

NameRow GenerationResult::row(std::size_t k) const
{
    return names->row((*names)[order[k]], k + 1);
}

std::vector<NameRow> GenerationResult::rows() const
{
    std::vector<NameRow> out;
    out.reserve(order.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        out.push_back(row(k));
    return out;
}

void NameList::reserve(std::size_t capacity)
{
    // Written rows only become resident: the store is not initialised.
    m_rows = std::make_unique_for_overwrite<ListedName[]>(capacity);
    m_capacity = capacity;
}

} // namespace jm
