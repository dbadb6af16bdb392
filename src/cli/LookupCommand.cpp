// jiaming-cli lookup CHARACTER [--db PATH]
#include "cli/Command.h"
#include "content/Dictionary.h"
#include "text/Text.h"

#include <ostream>

namespace jm::cli {
namespace {

constexpr const char* kUsage = "usage: jiaming-cli lookup CHARACTER [--db PATH]\n";

// Continuation lines of a multi-line explanation are indented under its label.
void printExplanation(std::ostream& out, const char* label, const std::string& html)
{
    std::string text = explanationText(html);
    replaceAll(text, "\n", "\n          ");
    out << label << text << "\n";
}

int runLookup(const std::vector<std::string>& raw, Io io)
{
    const Arguments args(raw, {}, { "db" });
    if (!args.error().empty()) {
        io.err << "jiaming-cli lookup: " << args.error() << "\n";
        return 2;
    }
    if (args.positional().size() != 1 || args.positional()[0].empty()) {
        io.err << kUsage;
        return 2;
    }
    const std::string& character = args.positional()[0];
    NameDatabase db;
    if (!openDatabase(db, args, io)) return 1;

    const auto entry = lookUpDictionary(db, character);
    if (!entry) {
        io.err << "jiaming-cli lookup: " << character << " is not in the dictionary\n";
        return 1;
    }
    io.out << "汉字:     " << entry->character << "\n"
           << "拼音:     " << entry->pinyin << "\n"
           << "部首:     " << entry->radical << "\n"
           << "简体笔划: " << entry->simplifiedStrokes << "\n"
           << "繁体笔划: " << entry->traditionalStrokes << "\n"
           << "五行:     " << entry->element << "\n";
    printExplanation(io.out, "基本解释: ", entry->basicExplanation);
    printExplanation(io.out, "详细解释: ", entry->detailedExplanation);
    return 0;
}

const Registrar kRegistrar("lookup", "lookup CHARACTER [--db PATH]", runLookup);

} // namespace
} // namespace jm::cli
