// jiaming-cli report SURNAME GIVEN --out FILE.html [--db PATH]
#include "cli/Command.h"
#include "scoring/NameAnalysis.h"
#include "scoring/NameInput.h"
#include "text/Text.h"

#include <ostream>
#include <tuple>

namespace jm::cli {
namespace {

constexpr const char* kUsage = "usage: jiaming-cli report SURNAME GIVEN --out FILE.html [--db PATH]\n";

int runReport(const std::vector<std::string>& raw, Io io)
{
    const Arguments args(raw, {}, { "out", "db" });
    if (!args.error().empty()) {
        io.err << "jiaming-cli report: " << args.error() << "\n";
        return 2;
    }
    const auto out = args.value("out");
    if (args.positional().size() != 2 || !out || out->empty()) {
        io.err << kUsage;
        return 2;
    }
    for (const auto& [text, what, limit] : { std::tuple(args.positional()[0], "姓氏", kMaxSurnameCharacters),
             std::tuple(args.positional()[1], "名字", kMaxGivenNameCharacters) }) {
        if (const Result<void> shape = checkNameShape(text, what, limit); !shape) {
            io.err << "jiaming-cli report: " << shape.error() << "\n";
            return 2;
        }
    }
    NameDatabase db;
    if (!openDatabase(db, args, io)) return 1;
    const Result<CheckedText> checkedSurname = checkSurname(db, args.positional()[0]);
    const Result<CheckedText> checkedGiven = checkGivenName(db, args.positional()[1]);
    for (const auto* checked : { &checkedSurname, &checkedGiven }) {
        if (!*checked) {
            io.err << "jiaming-cli report: " << checked->error() << "\n";
            return 2;
        }
    }
    const std::string& surname = checkedSurname->text;
    const std::string& given = checkedGiven->text;

    const NameAnalysis analysis = analyseName(db, surname, given);
    if (const Result<void> written = writeGbkPage(*out, reportPage(analysis)); !written) {
        io.err << "jiaming-cli report: " << written.error() << "\n";
        return 1;
    }
    io.out << "评分: " << analysis.score << "\n";
    return 0;
}

const Registrar kRegistrar("report", "report SURNAME GIVEN --out FILE.html [--db PATH]", runReport);

} // namespace
} // namespace jm::cli
