#include "data/Bootstrap.h"

#include "data/LoadedNumbers.h"

#include <filesystem>

namespace jm {
namespace {

struct BootstrapGate {
    explicit BootstrapGate(NameDatabase& db)
        : m_db(db)
    {
        m_db.beginBootstrap();
    }
    ~BootstrapGate() { m_db.endBootstrap(); }
    BootstrapGate(const BootstrapGate&) = delete;
    BootstrapGate& operator=(const BootstrapGate&) = delete;
    NameDatabase& m_db;
};

constexpr const char* kShipped = "new_db";

// Closes the half-built database and hands the failure on: after a failed
// bootstrap every lookup reads as empty.
Failure closeAndFail(NameDatabase& db, std::string message)
{
    db.close();
    return Failure { std::move(message) };
}

// The column names of the shipped table `name` in their order; empty when
// the shipped file has no such table.
std::vector<std::string> shippedColumns(NameDatabase& db, const std::string& name)
{
    Statement stmt = db.query("select name from pragma_table_info(?, ?) order by cid", { name, kShipped });
    std::vector<std::string> names;
    for (bool more = stmt.onRow(); more; more = db.nextRow(stmt))
        names.push_back(db.columnText(stmt, "name"));
    return names;
}

// The shipped table must have the declared columns in the declared order;
// the copy goes by name, so a missing or renamed column would otherwise
// surface later as empty values.
Result<void> checkShippedColumns(const TableDef& table, const std::vector<std::string>& names)
{
    bool same = names.size() == table.columns.size();
    std::string expected;
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        expected += (i ? "," : "") + table.columns[i].name;
        if (same && names[i] != table.columns[i].name) same = false;
    }
    if (same) return success();
    std::string found;
    for (std::size_t i = 0; i < names.size(); ++i)
        found += (i ? "," : "") + names[i];
    return Failure { "table " + table.name + " has " + std::to_string(names.size()) + " columns (" + found
        + "), expected " + std::to_string(table.columns.size()) + " (" + expected + ")" };
}

} // namespace

Result<void> bootstrapDatabase(NameDatabase& db, const std::string& shippedFile)
{
    BootstrapGate gate(db);
    if (!db.open()) return Failure { kMessageOpenFailed };

    std::vector<TableDef> tables = schemaTables();
    const std::size_t requiredTables = tables.size();
    tables.insert(tables.end(), extraTables().begin(), extraTables().end());
    tables.insert(tables.end(), adviceTables().begin(), adviceTables().end());
    for (const TableDef& t : tables)
        if (auto created = db.createTable(t.name, t.columns); !created) return closeAndFail(db, created.error());

    // ATTACH would create a missing file; the shipped file is only ever read.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(shippedFile, ec)) return closeAndFail(db, kMessageAttachFailed);
    if (!db.attach(shippedFile, kShipped)) return closeAndFail(db, kMessageAttachFailed);

    if (auto begun = db.begin(); !begun) return closeAndFail(db, begun.error());
    for (std::size_t i = 0; i < tables.size(); ++i) {
        const TableDef& t = tables[i];
        const std::vector<std::string> names = shippedColumns(db, t.name);
        // A database written before the surname readings and the advice tables existed lacks
        // them; they then stay empty (names are judged by their score alone, surnames read as
        // their characters). A missing required table is left to the copy, whose engine
        // message names it.
        if (names.empty() && i >= requiredTables) continue;
        Result<void> copied = names.empty() ? success() : checkShippedColumns(t, names);
        if (copied) {
            const std::string columns = columnList(t);
            copied = db.execute(
                "insert into " + t.name + " (" + columns + ") select " + columns + " from " + kShipped + "." + t.name);
        }
        if (!copied) {
            (void)db.rollback();
            return closeAndFail(db, copied.error().empty() ? std::string(kMessageAttachFailed) : copied.error());
        }
    }
    if (auto committed = db.commit(); !committed) {
        (void)db.rollback();
        return closeAndFail(db, committed.error());
    }
    if (auto detached = db.detach(kShipped); !detached) return closeAndFail(db, detached.error());

    // A crafted or damaged file must not reach the arithmetic of the grids.
    if (const Result<void> numbers = checkLoadedNumbers(db); !numbers) return closeAndFail(db, numbers.error());

    for (const char* index : { "CREATE INDEX NewIndex1 on NM_CNWord(汉字 ASC)",
             "CREATE INDEX NewIndex2 on NM_八一灵动数(Id ASC)", "CREATE INDEX NewIndex3 on NM_三才配置(三才 ASC)",
             "CREATE INDEX NewIndex4 on NM_起名用字(字 ASC)", "CREATE INDEX NewIndex5 on NM_字音(字 ASC)" })
        if (auto indexed = db.execute(index); !indexed) return closeAndFail(db, indexed.error());
    return success();
}

} // namespace jm
