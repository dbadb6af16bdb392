#include "support/AdviceFixture.h"

#include "text/Text.h"

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace jm::test {

namespace {

std::filesystem::path fixtureDir()
{
    return std::filesystem::path(JIAMING_SOURCE_DIR) / "tests" / "fixtures" / "advice";
}

/// The rows of a tab-separated file after its header line.
std::vector<std::vector<std::string>> readRows(const std::filesystem::path& file)
{
    std::ifstream in(file);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    std::vector<std::vector<std::string>> rows;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        std::vector<std::string> cells;
        std::istringstream fields(line);
        for (std::string cell; std::getline(fields, cell, '\t');)
            cells.push_back(cell);
        while (cells.size() < 5)
            cells.emplace_back();
        rows.push_back(std::move(cells));
    }
    return rows;
}

} // namespace

FixtureBuilder& addAdviceFixture(FixtureBuilder& builder, bool withCharacters)
{
    static const char* kElements[5] = { "金", "木", "水", "火", "土" };
    std::set<std::string> characters;
    int id = 1;
    for (const auto& r : readRows(fixtureDir() / "suitability" / "01.tsv")) {
        builder.row("NM_起名用字", { std::to_string(id++), r[0], r[1], r[2], r[3], r[4] });
        characters.insert(r[0]);
    }
    id = 1;
    for (const auto& r : readRows(fixtureDir() / "homophones" / "01.tsv"))
        builder.row("NM_谐音", { std::to_string(id++), r[0], r[1], r[2], r[3] });
    id = 1;
    for (const auto& r : readRows(fixtureDir() / "readings.tsv")) {
        builder.row("NM_字音", { std::to_string(id++), r[0], r[1] });
        characters.insert(r[0]);
    }
    if (withCharacters) {
        int n = 0;
        for (const std::string& c : characters) {
            const int strokes = 4 + n % 12;
            builder.character({ c, strokes, strokes + n % 3, kElements[n % 5] });
            ++n;
        }
    }
    return builder;
}

FixtureBuilder adviceFixture()
{
    FixtureBuilder b = FixtureBuilder::standard();
    addAdviceFixture(b, true);
    return b;
}

} // namespace jm::test
