#pragma once

#include "Result.h"
#include "data/NameDatabase.h"

#include <string>

namespace jm {

/// Messages of a failed bootstrap (shown by the window, printed by the CLI).
inline constexpr const char* kMessageOpenFailed = "您的电脑缺少组件，请搜索directx3.5下载安装修复！";
inline constexpr const char* kMessageAttachFailed = "将磁盘数据库附加到内存数据库失败！";

/// Builds the in-memory database: opens `db` in memory, reads the bytes of
/// `shippedFile` into it as its main database (the file is not touched
/// afterwards), checks that each required table has exactly the declared
/// columns with their declared types in their order (the surname readings and
/// the advice tables are made empty when the file lacks them), checks the
/// loaded numbers and makes sure of the lookup indexes (the database build
/// writes them into the file). On failure the database is left closed and the
/// failure carries the message to show (one of the two above, or the engine's
/// own text). Queries from other threads wait while this runs.
Result<void> bootstrapDatabase(NameDatabase& db, const std::string& shippedFile);

/// Steps of the bootstrap for a database filled by other means (the fuzz
/// target of the loader fills the tables itself): `createProgramTables`
/// creates every table the program reads, required and optional, empty, in
/// the open database; `createLookupIndexes` adds the indexes of the lookups.
/// Neither closes `db`; the loaded numbers are checked by `checkLoadedNumbers`.
Result<void> createProgramTables(NameDatabase& db);
Result<void> createLookupIndexes(NameDatabase& db);

} // namespace jm
