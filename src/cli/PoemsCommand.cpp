// jiaming-cli poems --poet P [--title PART] [--db PATH]: the poems of every
// poet whose name holds P whose title holds PART, one a line as
// "id<TAB>poet<TAB>title" (the id and names `generate --mode poem` takes).
#include "cli/Command.h"
#include "generate/PoemMode.h"

#include <ostream>

namespace jm::cli {
namespace {

constexpr const char* kUsage = "usage: jiaming-cli poems --poet P [--title PART] [--db PATH]\n";

int runPoems(const std::vector<std::string>& raw, Io io)
{
    const Arguments args(raw, {}, { "poet", "title", "db" });
    if (!args.error().empty()) {
        io.err << "jiaming-cli poems: " << args.error() << "\n";
        return 2;
    }
    const std::string poetPart = args.value("poet").value_or("");
    const std::string titlePart = args.value("title").value_or("");
    if (!args.positional().empty() || poetPart.empty()) {
        io.err << kUsage;
        return 2;
    }
    NameDatabase db;
    if (!openDatabase(db, args, io)) return 1;

    int listed = 0;
    for (const std::string& poet : loadPoets(db)) {
        if (poet.empty() || poet.find(poetPart) == std::string::npos) continue;
        for (const PoemEntry& poem : loadPoems(db, poet)) {
            if (poem.id == 0 || poem.title.find(titlePart) == std::string::npos) continue;
            io.out << poem.id << '\t' << poet << '\t' << poem.title << '\n';
            ++listed;
        }
    }
    if (listed == 0) {
        io.err << "jiaming-cli poems: no poem by a poet named like " << poetPart
               << (titlePart.empty() ? std::string() : " with a title holding " + titlePart) << "\n";
        return 1;
    }
    return 0;
}

const Registrar kRegistrar("poems", "poems --poet P [--title PART] [--db PATH]", runPoems);

} // namespace
} // namespace jm::cli
