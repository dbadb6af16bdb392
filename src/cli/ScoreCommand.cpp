// jiaming-cli score SURNAME GIVEN [--sex 男|女] [--json] [--db PATH]
#include "cli/Command.h"
#include "scoring/NameAnalysis.h"
#include "scoring/NameInput.h"
#include "text/Text.h"

#include <cstdio>
#include <ostream>
#include <tuple>

namespace jm::cli {
namespace {

const char* const kGridNames[5] = { "天格", "人格", "地格", "总格", "外格" };

std::string exactText(double value)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", value);
    return buf;
}

int runScore(const std::vector<std::string>& raw, Io io)
{
    const Arguments args(raw, { "json" }, { "db", "sex" });
    if (!args.error().empty()) {
        io.err << "jiaming-cli score: " << args.error() << "\n";
        return 2;
    }
    if (args.positional().size() != 2) {
        io.err << "usage: jiaming-cli score SURNAME GIVEN [--sex 男|女] [--json] [--db PATH]\n";
        return 2;
    }
    for (const auto& [text, what, limit] : { std::tuple(args.positional()[0], "姓氏", kMaxSurnameCharacters),
             std::tuple(args.positional()[1], "名字", kMaxGivenNameCharacters) }) {
        if (const Result<void> shape = checkNameShape(text, what, limit); !shape) {
            io.err << "jiaming-cli score: " << shape.error() << "\n";
            return 2;
        }
    }
    const std::string sex = args.value("sex").value_or("");
    if (!sex.empty() && sex != "男" && sex != "女") {
        io.err << "jiaming-cli score: --sex must be 男 or 女\n";
        return 2;
    }
    NameDatabase db;
    if (!openDatabase(db, args, io)) return 1;
    const Result<CheckedText> checkedSurname = checkSurname(db, args.positional()[0]);
    const Result<CheckedText> checkedGiven = checkGivenName(db, args.positional()[1]);
    for (const auto* checked : { &checkedSurname, &checkedGiven }) {
        if (!*checked) {
            io.err << "jiaming-cli score: " << checked->error() << "\n";
            return 2;
        }
    }
    const std::string& surname = checkedSurname->text;
    const std::string& given = checkedGiven->text;

    // The analysis path: the characters come from the dictionary, and a
    // single surname 于 counts its simplified strokes.
    const NameAnalysis a = analyseName(db, surname, given, sex);
    const FiveGrids& g = a.grids;
    const auto grades = a.grades();
    const int numbers[5] = { g.天格, g.人格, g.地格, g.总格, g.外格 };
    const std::string& verdict = a.verdict;

    if (args.has("json")) {
        std::string j = "{\"surname\":" + jsonString(surname) + ",\"given\":" + jsonString(given) + ",\"grids\":{";
        for (int i = 0; i < 5; ++i)
            j += std::string(i ? "," : "") + jsonString(kGridNames[i]) + ":" + std::to_string(numbers[i]);
        j += "},\"gridElements\":{";
        for (int i = 0; i < 5; ++i)
            j += std::string(i ? "," : "") + jsonString(kGridNames[i]) + ":"
                + jsonString(g.gridElements[static_cast<std::size_t>(i)]);
        j += "},\"三才\":" + jsonString(g.三才) + ",\"grades\":{";
        for (int i = 0; i < 6; ++i)
            j += std::string(i ? "," : "") + jsonString(i < 5 ? kGridNames[i] : "三才") + ":"
                + jsonString(grades[static_cast<std::size_t>(i)]);
        j += "},\"exactScore\":" + exactText(a.exactScore) + ",\"score\":" + std::to_string(a.score)
            + ",\"verdict\":" + jsonString(verdict) + ",\"simplifiedTotal\":" + std::to_string(g.simplifiedTotal)
            + ",\"elementsText\":" + jsonString(g.elementsText) + ",\"cautions\":" + cautionsJson(a.cautions) + "}";
        io.out << j << "\n";
        return 0;
    }

    // A name typed in traditional characters is rated by its simplified form; both are shown.
    const std::string typed = checkedSurname->typed + checkedGiven->typed;
    io.out << "姓名: " << surname << given << (typed != surname + given ? "（" + typed + "）" : "") << "\n";
    for (int i = 0; i < 5; ++i)
        io.out << kGridNames[i] << ": " << fortuneNumberText(numbers[i]) << " ("
               << g.gridElements[static_cast<std::size_t>(i)] << ") " << grades[static_cast<std::size_t>(i)] << "\n";
    io.out << "三才: " << g.三才 << " " << grades[5] << "\n";
    io.out << "五格: " << gridsText(g) << "\n";
    io.out << "简体笔划: " << g.simplifiedTotal << "  五行: " << g.elementsText << "\n";
    io.out << "评分: " << a.score << " (" << exactText(a.exactScore) << ")\n";
    io.out << "评语: " << verdict << "\n";
    for (const Caution& c : a.cautions)
        io.out << "提示(" << c.kind << "): " << c.text << "\n";
    return 0;
}

const Registrar kRegistrar("score", "score SURNAME GIVEN [--sex 男|女] [--json] [--db PATH]", runScore);

} // namespace
} // namespace jm::cli
