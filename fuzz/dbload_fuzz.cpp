// The shipped database is a file on disk: a damaged or crafted one must give
// a clear load error or working lookups, never undefined behaviour. The
// input becomes rows of the nine tables (integers from small numbers to the
// 32-bit and 64-bit extremes, texts, reals and NULLs); the file is loaded
// with the program's own bootstrap and then read by the scoring paths.
#include "FuzzCheck.h"
#include "data/Bootstrap.h"
#include "data/Schema.h"
#include "scoring/NameAnalysis.h"
#include "scoring/NameInput.h"
#include "scoring/NameScorer.h"

#include <sqlite3.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {
    }
    bool empty() const { return m_at >= m_size; }
    std::uint8_t byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    std::string text()
    {
        static const char* const kWords[] = { "张", "三", "丰", "欧阳", "木", "火", "土", "金", "水", "大吉", "凶",
            "木火土", "", "張", "a", "\xFF", "|", ";" };
        const std::uint8_t b = byte();
        if (b < 200) return kWords[b % std::size(kWords)];
        std::string out;
        for (std::size_t n = b % 6; n > 0 && !empty(); --n)
            out += static_cast<char>(byte());
        return out;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

void bindInteger(sqlite3_stmt* stmt, int column, Input& in)
{
    static const long long kEdges[]
        = { 0, 1, -1, 81, 82, 99, 100, 2147483647LL, -2147483647LL - 1, 4294967296LL, 9223372036854775807LL };
    const std::uint8_t b = in.byte();
    switch (b % 5) {
    case 0:
        sqlite3_bind_int64(stmt, column, kEdges[in.byte() % std::size(kEdges)]);
        break;
    case 1:
        sqlite3_bind_null(stmt, column);
        break;
    case 2:
        sqlite3_bind_double(stmt, column, (in.byte() % 2 ? 1e12 : 0.5) * (in.byte() % 2 ? -1 : 1));
        break;
    case 3: {
        const std::string t = in.text();
        sqlite3_bind_text(stmt, column, t.data(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
        break;
    }
    default:
        sqlite3_bind_int(stmt, column, in.byte() % 40);
    }
}

/// Writes the crafted database; a table may be left out or get a column
/// too few, as a damaged file would.
bool writeDatabase(const std::string& path, Input& in)
{
    ::unlink(path.c_str());
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    // A scratch file: no journal and no syncing, which would dominate each run.
    sqlite3_exec(db, "pragma journal_mode=off; pragma synchronous=off", nullptr, nullptr, nullptr);
    sqlite3_exec(db, "begin", nullptr, nullptr, nullptr);
    for (const jm::TableDef& table : jm::schemaTables()) {
        const std::uint8_t shape = in.byte();
        if (shape == 255) continue; // a missing table
        std::vector<jm::ColumnDef> columns = table.columns;
        if (shape == 254) columns.pop_back(); // a column too few
        sqlite3_exec(db, jm::createTableSql(table.name, columns).c_str(), nullptr, nullptr, nullptr);
        std::string insert = "insert into " + table.name + " values(";
        for (std::size_t c = 0; c < columns.size(); ++c)
            insert += c ? ",?" : "?";
        insert += ")";
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, insert.c_str(), -1, &stmt, nullptr) != SQLITE_OK) continue;
        for (int rows = shape % 6; rows > 0; --rows) {
            for (std::size_t c = 0; c < columns.size(); ++c) {
                const int column = static_cast<int>(c) + 1;
                if (jm::columnTypeName(columns[c].type) == "Integer") {
                    bindInteger(stmt, column, in);
                } else {
                    const std::string t = in.text();
                    sqlite3_bind_text(stmt, column, t.data(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
                }
            }
            sqlite3_step(stmt);
            sqlite3_reset(stmt);
        }
        sqlite3_finalize(stmt);
    }
    sqlite3_exec(db, "commit", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return true;
}

std::string databasePath()
{
    const std::filesystem::path shm = "/dev/shm";
    std::error_code ec;
    const std::filesystem::path folder
        = std::filesystem::is_directory(shm, ec) ? shm : std::filesystem::temp_directory_path();
    return (folder / ("jiaming-dbload-" + std::to_string(::getpid()) + ".db")).string();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = databasePath();
    Input in(data, size);
    if (!writeDatabase(path, in)) return 0;
    jm::NameDatabase db;
    const jm::Result<void> loaded = jm::bootstrapDatabase(db, path);
    if (!loaded.ok()) {
        FUZZ_CHECK(!loaded.error().empty());
        return 0;
    }
    // Every path that computes with numbers from the file.
    for (const auto& [surname, given] : { std::pair("张", "三丰"), std::pair("欧阳", "木"), std::pair("張", "火") }) {
        const jm::NameAnalysis a = jm::analyseName(db, surname, given);
        FUZZ_CHECK(a.score >= 0 && a.score <= 100);
        (void)jm::reportPage(a);
        const auto checked = jm::checkSurname(db, surname);
        FUZZ_CHECK(checked || !checked.error().empty());
    }
    jm::CharacterTable table;
    for (const char* c : { "张", "三", "丰", "木", "火" })
        table.append(jm::lookUpCharacterInfo(db, c));
    jm::NameScorer scorer(db, table);
    const int quick = scorer.quickScore(1, table.find("张"), nullptr, 2, table.find("三"), table.find("丰"));
    FUZZ_CHECK(quick >= 0 && quick <= 100);
    FUZZ_CHECK(scorer.scoreName("张", "三丰").score == quick);
    (void)scorer.surnameHeavenFortune("张");
    return 0;
}
