#pragma once

#include "data/NameDatabase.h"

#include <string>

namespace jm {

/// Messages of a failed bootstrap (shown by the window, printed by the CLI).
inline constexpr const char* kMessageOpenFailed = "您的电脑缺少组件，请搜索directx3.5下载安装修复！";
inline constexpr const char* kMessageAttachFailed = "将磁盘数据库附加到内存数据库失败！";

/// Outcome of `bootstrapDatabase`: empty `error` on success.
struct BootstrapResult {
    bool ok = false;
    std::string error;
};

/// Builds the in-memory database: opens `db` in memory, creates the nine
/// tables, attaches `shippedFile` as new_db, copies every table in one
/// transaction, detaches and creates the three lookup indexes.
/// On failure the database is left closed and the result carries the message
/// to show. Queries from other threads wait while this runs.
BootstrapResult bootstrapDatabase(NameDatabase& db, const std::string& shippedFile);

} // namespace jm
