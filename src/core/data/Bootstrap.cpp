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

BootstrapResult fail(std::string message)
{
    return { false, std::move(message) };
}

} // namespace

BootstrapResult bootstrapDatabase(NameDatabase& db, const std::string& shippedFile)
{
    BootstrapGate gate(db);
    if (!db.open()) return fail(kMessageOpenFailed);

    const auto& tables = schemaTables();
    for (const auto* list : { &tables, &extraTables() }) {
        for (const TableDef& t : *list) {
            std::string error;
            if (!db.createTable(t.name, t.columns, &error)) {
                db.close();
                return fail(error);
            }
        }
    }

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
    for (const TableDef& t : tables) {
        std::string error;
        if (!db.execute("insert into " + t.name + " select * from new_db." + t.name, &error)) {
            db.rollback();
            db.close();
            return fail(error.empty() ? std::string(kMessageAttachFailed) : error);
        }
    }
    for (const TableDef& t : extraTables()) {
        Statement stmt
            = db.query("select count(*) from new_db.sqlite_master where type='table' and name=?", { t.name });
        const bool shipped = db.columnInt(stmt, 0) > 0;
        db.finalize(stmt);
        std::string error;
        if (shipped && !db.execute("insert into " + t.name + " select * from new_db." + t.name, &error)) {
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

    db.query("CREATE INDEX NewIndex1 on NM_CNWord(汉字 ASC)");
    db.query("CREATE INDEX NewIndex2 on NM_八一灵动数(Id ASC)");
    db.query("CREATE INDEX NewIndex3 on NM_三才配置(三才 ASC)");
    return { true, {} };
}

} // namespace jm
