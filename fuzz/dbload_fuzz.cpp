// The shipped database is a file on disk: a damaged or crafted one must give
// a clear load error or working lookups, never undefined behaviour. The
// input becomes rows of the program's tables (integers from small numbers to
// the 32-bit and 64-bit extremes, texts, reals and NULLs). They go into an
// in-memory database that holds the loader's empty tables and indexes, made
// once per process, inside a transaction; the loader's range check
// (`checkLoadedNumbers`) runs on them, then one of the scoring paths reads
// them, and the transaction is rolled back for the next input. No file is
// written per input: the copy from the file is plain SQL, and its failures
// (missing tables or columns) are covered by the unit tests of the bootstrap.
#include "FuzzCheck.h"
#include "data/Bootstrap.h"
#include "data/LoadedNumbers.h"
#include "data/Schema.h"
#include "scoring/NameAnalysis.h"
#include "scoring/NameInput.h"
#include "scoring/NameScorer.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
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

/// One value of a row: a bound parameter, or a literal NULL or real (which
/// the binding of NameDatabase does not carry). The literals are fixed texts
/// of this harness, never input bytes.
void addValue(bool integerColumn, Input& in, std::string& sql, std::vector<jm::SqlValue>& params)
{
    static const long long kEdges[]
        = { 0, 1, -1, 81, 82, 99, 100, 2147483647LL, -2147483647LL - 1, 4294967296LL, 9223372036854775807LL };
    static const char* const kReals[] = { "0.5", "-0.5", "1e12", "-1e12", "99.9", "1e400" };
    const std::uint8_t b = in.byte();
    if (!integerColumn) {
        if (b % 16 == 15) {
            sql += "NULL";
        } else {
            sql += '?';
            params.emplace_back(in.text());
        }
        return;
    }
    switch (b % 5) {
    case 0:
        sql += '?';
        params.emplace_back(kEdges[in.byte() % std::size(kEdges)]);
        break;
    case 1:
        sql += "NULL";
        break;
    case 2:
        sql += kReals[in.byte() % std::size(kReals)];
        break;
    case 3:
        sql += '?';
        params.emplace_back(in.text());
        break;
    default:
        sql += '?';
        params.emplace_back(static_cast<long long>(in.byte() % 40));
    }
}

/// Up to three rows per table, as the input says. A row the table refuses
/// (a text in an integer key) is left out, as it could not be in a file of
/// that schema either.
void fillTables(jm::NameDatabase& db, const std::vector<jm::TableDef>& tables, Input& in)
{
    for (const jm::TableDef& table : tables) {
        for (int rows = in.byte() % 4; rows > 0 && !in.empty(); --rows) {
            std::string sql = "insert into " + table.name + " values(";
            std::vector<jm::SqlValue> params;
            for (std::size_t c = 0; c < table.columns.size(); ++c) {
                if (c) sql += ',';
                addValue(jm::columnTypeName(table.columns[c].type) == "Integer", in, sql, params);
            }
            sql += ')';
            jm::Statement stmt = db.query(sql, params);
            db.finalize(stmt);
        }
    }
}

struct Fixture {
    jm::NameDatabase db;
    std::vector<jm::TableDef> tables;
};

/// The in-memory database with every table and index of the program, empty.
Fixture& fixture()
{
    static Fixture* f = [] {
        auto* made = new Fixture;
        FUZZ_CHECK(made->db.open());
        FUZZ_CHECK(jm::createProgramTables(made->db).ok());
        FUZZ_CHECK(jm::createLookupIndexes(made->db).ok());
        made->tables = jm::schemaTables();
        made->tables.insert(made->tables.end(), jm::extraTables().begin(), jm::extraTables().end());
        made->tables.insert(made->tables.end(), jm::adviceTables().begin(), jm::adviceTables().end());
        return made;
    }();
    return *f;
}

/// Rolls the input's rows back on every return.
class Transaction {
public:
    explicit Transaction(jm::NameDatabase& db)
        : m_db(db)
    {
        FUZZ_CHECK(m_db.begin());
    }
    ~Transaction() { FUZZ_CHECK(m_db.rollback()); }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

private:
    jm::NameDatabase& m_db;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fixture& f = fixture();
    jm::NameDatabase& db = f.db;
    Input in(data, size);
    static const std::pair<const char*, const char*> kNames[] = { { "张", "三丰" }, { "欧阳", "木" }, { "張", "火" } };
    const std::uint8_t path = in.byte();
    const auto& [surname, given] = kNames[path / 3 % std::size(kNames)];

    Transaction transaction(db);
    fillTables(db, f.tables, in);
    if (const jm::Result<void> loaded = jm::checkLoadedNumbers(db); !loaded) {
        FUZZ_CHECK(!loaded.error().empty());
        return 0;
    }
    // One of the paths that compute with numbers from the file, as the input says.
    switch (path % 3) {
    case 0: {
        const jm::NameAnalysis a = jm::analyseName(db, surname, given);
        FUZZ_CHECK(a.score >= 0 && a.score <= 100);
        (void)jm::reportPage(a);
        break;
    }
    case 1: {
        const auto checked = jm::checkSurname(db, surname);
        FUZZ_CHECK(checked || !checked.error().empty());
        break;
    }
    default: {
        jm::CharacterTable table;
        for (const char* c : { "张", "三", "丰", "木", "火" })
            table.append(jm::lookUpCharacterInfo(db, c));
        jm::NameScorer scorer(db, table);
        const int quick = scorer.quickScore(1, table.find("张"), nullptr, 2, table.find("三"), table.find("丰"));
        FUZZ_CHECK(quick >= 0 && quick <= 100);
        FUZZ_CHECK(scorer.scoreName("张", "三丰").score == quick);
        (void)scorer.surnameHeavenFortune("张");
    }
    }
    return 0;
}
