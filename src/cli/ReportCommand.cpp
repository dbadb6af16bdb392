// jiaming-cli report SURNAME GIVEN --out FILE.html [--db PATH]
#include "cli/Command.h"
#include "scoring/NameAnalysis.h"
#include "text/Text.h"

#include <ostream>

namespace jm::cli {
namespace {

constexpr const char* kUsage = "usage: jiaming-cli report SURNAME GIVEN --out FILE.html [--db PATH]\n";

int runReport(const std::vector<std::string>& raw, Io io)
{
    const Arguments args(raw, {});
    if (!args.error().empty()) {
        io.err << "jiaming-cli report: " << args.error() << "\n";
        return 2;
    }
    const auto out = args.value("out");
    if (args.positional().size() != 2 || !out || out->empty()) {
        io.err << kUsage;
        return 2;
    }
    const std::string& surname = args.positional()[0];
    const std::string& given = args.positional()[1];
    if (isBlank(surname)) {
        io.err << "jiaming-cli report: 请输入姓氏 (the surname is empty)\n";
        return 2;
    }
    if (isBlank(given)) {
        io.err << "jiaming-cli report: 请输入名字 (the given name is empty)\n";
        return 2;
    }
    NameDatabase db;
    if (!openDatabase(db, args, io)) return 1;

    const NameAnalysis analysis = analyseName(db, surname, given);
    if (!writeGbkPage(*out, reportPage(analysis))) {
        io.err << "jiaming-cli report: cannot write " << *out << "\n";
        return 1;
    }
    io.out << "评分: " << analysis.score << "\n";
    return 0;
}

const Registrar kRegistrar("report", "report SURNAME GIVEN --out FILE.html [--db PATH]", runReport);

} // namespace
} // namespace jm::cli
