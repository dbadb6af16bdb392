// The command line is outside input: any list of arguments ends in a result
// or a message with exit status 0, 1 or 2, and all output is valid UTF-8.
// The input is the argument list, separated by NUL bytes. File options are
// pointed at a scratch folder (the fuzzer must not write where it likes) and
// --db at a small database made once.
#include "FuzzCheck.h"
#include "cli/Command.h"
#include "data/Schema.h"
#include "text/Text.h"

#include <sqlite3.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::filesystem::path scratchFolder()
{
    static const std::filesystem::path folder = [] {
        const auto dir = std::filesystem::temp_directory_path() / ("jiaming-cliargs-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        return dir;
    }();
    return folder;
}

/// A database with a few characters, the 81 numbers and one poem.
std::string smallDatabase()
{
    const std::string path = (scratchFolder() / "small.db").string();
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    for (const jm::TableDef& t : jm::schemaTables())
        sqlite3_exec(db, jm::createTableSql(t.name, t.columns).c_str(), nullptr, nullptr, nullptr);
    const char* rows
        = "insert into NM_CNWord values(1,1,'张','张','張',7,11,'zhang','zhāng','zh','ang','弓','火','','','');"
          "insert into NM_CNWord values(2,2,'三','三','三',3,3,'san','sān','s','an','一','金','','','');"
          "insert into NM_CNWord values(3,3,'丰','丰','豐',4,18,'feng','fēng','f','eng','丨','木','','','');"
          "insert into NM_CNWord values(4,4,'明','明','明',8,8,'ming','míng','m','ing','日','火','','','');"
          "insert into NM_Poet values(1,'李白','1',1);"
          "insert into NM_全唐诗 values(1,'静夜思','李白','床前明月光，疑是地上霜。','床疑',12);"
          "insert into NM_百家姓 values(1,'张','源','地','人');"
          "insert into NM_EName values(1,'Z','Zh','Zhang','5',1,'张','','','');";
    sqlite3_exec(db, rows, nullptr, nullptr, nullptr);
    for (int n = 1; n <= 81; ++n) {
        const std::string sql = "insert into NM_八一灵动数 values(" + std::to_string(n) + ",'" + (n % 2 ? "吉" : "凶")
            + "','a','b','c','d','e','f','g','h|i')";
        sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    }
    sqlite3_close(db);
    return path;
}

bool startsWith(const std::string& text, const char* prefix)
{
    return text.rfind(prefix, 0) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string database = smallDatabase();
    static const std::string output = (scratchFolder() / "out.txt").string();
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size && args.size() < 24; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[i]);
    }
    // Paths: only the scratch folder and the small database.
    const char* pathOption = nullptr;
    for (std::string& a : args) {
        if (pathOption) {
            a = std::string(pathOption) == "--db" ? database : output;
            pathOption = nullptr;
            continue;
        }
        for (const char* option : { "--out", "--export", "--db" }) {
            if (a == option) pathOption = option;
            if (startsWith(a, (std::string(option) + "=").c_str()))
                a = std::string(option) + "=" + (std::string(option) == "--db" ? database : output);
        }
    }
    // The commands that read the database get the small one (never the shipped 50 MB file).
    for (const char* command : { "score", "report", "generate", "lookup" })
        if (args[0] == command) args.push_back("--db=" + database);

    std::ostringstream out;
    std::ostringstream err;
    const int status = jm::cli::runCommandLine(args, { out, err });
    FUZZ_CHECK(status >= 0 && status <= 2);
    FUZZ_CHECK(jm::isValidUtf8(out.str()));
    FUZZ_CHECK(jm::isValidUtf8(err.str()));
    return 0;
}
