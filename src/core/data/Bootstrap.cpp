#include "data/Bootstrap.h"

#include "data/LoadedNumbers.h"

#include <filesystem>
#include <string_view>

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

// Closes the half-built database and hands the failure on: after a failed
// bootstrap every lookup reads as empty.
Failure closeAndFail(NameDatabase& db, std::string message)
{
    db.close();
    return Failure { std::move(message) };
}

// A column as declared: its name and its type with the length, as
// "Integer(10)"; the type gives SQLite the affinity the readers rely on.
struct Declared {
    std::string name;
    std::string type;
};

// The columns of the loaded table `name` in their order; empty when the
// loaded file has no such table.
std::vector<Declared> loadedColumns(NameDatabase& db, const std::string& name)
{
    Statement stmt = db.query("select name, type from pragma_table_info(?, 'main') order by cid", { name });
    std::vector<Declared> columns;
    for (bool more = stmt.onRow(); more; more = db.nextRow(stmt))
        columns.push_back({ db.columnText(stmt, 0), db.columnText(stmt, 1) });
    return columns;
}

std::string declaredType(const ColumnDef& column)
{
    std::string type = columnTypeName(column.type);
    if (column.length != 0) {
        type += '(';
        type += std::to_string(column.length);
        type += ')';
    }
    return type;
}

// The loaded table must have the declared columns, with their declared
// types, in the declared order: readers take columns by position.
Result<void> checkColumns(const TableDef& table, const std::vector<Declared>& found)
{
    bool same = found.size() == table.columns.size();
    std::string expected;
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        const std::string type = declaredType(table.columns[i]);
        expected += (i ? "," : "") + table.columns[i].name + " " + type;
        if (same && (found[i].name != table.columns[i].name || found[i].type != type)) same = false;
    }
    if (same) return success();
    std::string listed;
    for (std::size_t i = 0; i < found.size(); ++i)
        listed += (i ? "," : "") + found[i].name + " " + found[i].type;
    return Failure { "table " + table.name + " has " + std::to_string(found.size()) + " columns (" + listed
        + "), expected " + std::to_string(table.columns.size()) + " (" + expected + ")" };
}

// Beyond its columns, the loaded table must be an ordinary table declared as
// ours: a view, a virtual table or a table without rowid would pass the column
// check yet escape the checks that read the rows.
Result<void> checkDeclaration(NameDatabase& db, const TableDef& table)
{
    // SQLite keeps the text as written except for the leading keywords.
    static constexpr std::string_view kCreate = "create table";
    const std::string expected = "CREATE TABLE" + createTableSql(table.name, table.columns).substr(kCreate.size());
    Statement stmt = db.query("select type, sql from sqlite_master where name = ?", { table.name });
    const std::string type = db.columnText(stmt, 0);
    const std::string sql = db.columnText(stmt, 1);
    if (type == "table" && sql == expected) return success();
    return Failure { "table " + table.name + " is declared as \"" + sql + "\", expected \"" + expected + "\"" };
}

// The lookup indexes. The database build writes them into the shipped file,
// which then needs nothing at start; a file without them gets them here, and
// one whose index of that name says anything else gets it rebuilt.
Result<void> ensureIndexes(NameDatabase& db)
{
    struct Index {
        const char* name;
        const char* sql;
    };
    // The same texts as INDEXES in tools/dbgen/schema.py.
    static constexpr Index kIndexes[] = {
        { "NewIndex1", "CREATE INDEX NewIndex1 on NM_CNWord(汉字 ASC)" },
        { "NewIndex2", "CREATE INDEX NewIndex2 on NM_八一灵动数(Id ASC)" },
        { "NewIndex3", "CREATE INDEX NewIndex3 on NM_三才配置(三才 ASC)" },
        { "NewIndex4", "CREATE INDEX NewIndex4 on NM_起名用字(字 ASC)" },
        { "NewIndex5", "CREATE INDEX NewIndex5 on NM_字音(字 ASC)" },
    };
    for (const auto& [name, sql] : kIndexes) {
        Statement stmt = db.query("select sql from sqlite_master where type = 'index' and name = ?", { name });
        const bool present = stmt.onRow();
        const bool same = present && db.columnText(stmt, 0) == sql;
        db.finalize(stmt);
        if (same) continue;
        if (present)
            if (auto dropped = db.execute(std::string("DROP INDEX ") + name); !dropped) return dropped;
        if (auto created = db.execute(sql); !created) return created;
    }
    return success();
}

/// The nine required tables, then the optional ones.
std::vector<TableDef> programTables()
{
    std::vector<TableDef> tables = schemaTables();
    tables.insert(tables.end(), extraTables().begin(), extraTables().end());
    tables.insert(tables.end(), adviceTables().begin(), adviceTables().end());
    return tables;
}

} // namespace

Result<void> createProgramTables(NameDatabase& db)
{
    for (const TableDef& t : programTables())
        if (auto created = db.createTable(t.name, t.columns); !created) return created;
    return success();
}

Result<void> createLookupIndexes(NameDatabase& db)
{
    return ensureIndexes(db);
}

Result<void> bootstrapDatabase(NameDatabase& db, const std::string& shippedFile)
{
    BootstrapGate gate(db);
    if (!db.open()) return Failure { kMessageOpenFailed };

    const std::vector<TableDef> tables = programTables();
    const std::size_t requiredTables = schemaTables().size();

    // The file's bytes, read once, become the in-memory database as they are:
    // no row is decoded or copied, and the file is never touched again.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(shippedFile, ec)) return closeAndFail(db, kMessageAttachFailed);
    if (!db.loadImage(shippedFile)) return closeAndFail(db, kMessageAttachFailed);
    // SQLite reads the schema at the first statement: a file that is no
    // database, or a damaged one, fails here.
    if (!db.execute("select count(*) from sqlite_master")) return closeAndFail(db, kMessageAttachFailed);

    for (std::size_t i = 0; i < tables.size(); ++i) {
        const TableDef& t = tables[i];
        const std::vector<Declared> columns = loadedColumns(db, t.name);
        if (columns.empty()) {
            if (i < requiredTables) return closeAndFail(db, "no such table: " + t.name);
            // A database written before the surname readings and the advice tables existed
            // lacks them; they then stay empty (names are judged by their score alone, surnames
            // read as their characters).
            if (auto created = db.createTable(t.name, t.columns); !created) return closeAndFail(db, created.error());
            continue;
        }
        if (auto checked = checkColumns(t, columns); !checked) return closeAndFail(db, checked.error());
        if (auto declared = checkDeclaration(db, t); !declared) return closeAndFail(db, declared.error());
    }

    // A crafted or damaged file must not reach the arithmetic of the grids.
    if (const Result<void> numbers = checkLoadedNumbers(db); !numbers) return closeAndFail(db, numbers.error());

    if (auto indexed = ensureIndexes(db); !indexed) return closeAndFail(db, indexed.error());
    return success();
}

} // namespace jm
