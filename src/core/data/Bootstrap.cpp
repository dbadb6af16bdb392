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

bool hasShippedTable(NameDatabase& db, const std::string& name)
{
    Statement stmt = db.query("select count(*) from new_db.sqlite_master where type='table' and name=?", { name });
    const bool found = db.columnInt(stmt, 0) > 0;
    db.finalize(stmt);
    return found;
}

/// The nine required tables, then the optional ones.
std::vector<TableDef> programTables()
{
    std::vector<TableDef> tables = schemaTables();
    tables.insert(tables.end(), extraTables().begin(), extraTables().end());
    tables.insert(tables.end(), adviceTables().begin(), adviceTables().end());
    return tables;
}

BootstrapResult fail(std::string message)
{
    return { false, std::move(message) };
}

} // namespace

BootstrapResult bootstrapDatabase(NameDatabase& db, const std::string& shippedFile)
{
    BootstrapGate gate(db);
    if (!db.open()) return fail(kMessageOpenFailed);

    if (const Result<void> created = createProgramTables(db); !created) {
        db.close();
        return fail(created.error());
    }
    const std::vector<TableDef> tables = programTables();
    const std::size_t requiredTables = schemaTables().size();

    // ATTACH would create a missing file; the shipped file is only ever read.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(shippedFile, ec)) {
        db.close();
        return fail(kMessageAttachFailed);
    }
    std::string attachError;
    if (!db.attach(shippedFile, "new_db", &attachError)) {
        db.close();
        return fail(kMessageAttachFailed);
    }

    db.begin();
    for (std::size_t i = 0; i < tables.size(); ++i) {
        const TableDef& t = tables[i];
        // A database written before the surname readings and the advice tables existed lacks
        // them; they then stay empty (names are judged by their score alone, surnames read as
        // their characters).
        if (i >= requiredTables && !hasShippedTable(db, t.name)) continue;
        std::string error;
        if (!db.execute("insert into " + t.name + " select * from new_db." + t.name, &error)) {
            db.rollback();
            db.close();
            return fail(error.empty() ? std::string(kMessageAttachFailed) : error);
        }
    }
    db.commit();
    db.detach("new_db");

    // A crafted or damaged file must not reach the arithmetic of the grids.
    if (const Result<void> numbers = checkLoadedNumbers(db); !numbers) {
        db.close();
        return fail(numbers.error());
    }
    createLookupIndexes(db);
    return { true, {} };
}

Result<void> createProgramTables(NameDatabase& db)
{
    for (const TableDef& t : programTables()) {
        std::string error;
        if (!db.createTable(t.name, t.columns, &error)) return Failure { error };
    }
    return success();
}

void createLookupIndexes(NameDatabase& db)
{
    db.query("CREATE INDEX NewIndex1 on NM_CNWord(汉字 ASC)");
    db.query("CREATE INDEX NewIndex2 on NM_八一灵动数(Id ASC)");
    db.query("CREATE INDEX NewIndex3 on NM_三才配置(三才 ASC)");
    db.query("CREATE INDEX NewIndex4 on NM_起名用字(字 ASC)");
    db.query("CREATE INDEX NewIndex5 on NM_字音(字 ASC)");
}

} // namespace jm
