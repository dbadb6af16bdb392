#pragma once

#include "Result.h"
#include "data/Schema.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <variant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace jm {

/// A value bound to a `?` of a query. Values are never spliced into SQL text.
using SqlValue = std::variant<long long, std::string>;

/// An open query, standing on its current row. Move-only; the destructor
/// finalizes it, so forgetting `finalize` leaks nothing. Used by one thread.
class Statement {
public:
    Statement() = default;
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    /// False for the "no statement" value (preparation failed, no database).
    explicit operator bool() const { return m_stmt != nullptr; }
    /// True while the statement stands on a row.
    bool onRow() const { return m_onRow; }
    /// Position of the result column called `name`; -1 when there is none.
    int columnIndex(std::string_view name) const;

private:
    friend class NameDatabase;
    sqlite3_stmt* m_stmt = nullptr;
    bool m_onRow = false;
};

/// The one SQLite connection of the program: an in-memory database filled
/// from the shipped file by `bootstrapDatabase`.
///
/// Thread safety: the connection is opened in SQLite's serialized mode and
/// open/close are guarded, so the window thread, a generation worker and the
/// bootstrap thread may use it at once; a Statement stays with its thread.
///
/// Features do not query it themselves: they read through the repositories
/// of this folder (characters, fortunes, three talents, surnames, poems,
/// English names, articles), which select named columns and return records.
///
/// Reading convention: `query` returns the statement on its first row; on an
/// empty result it stands on no row (`onRow()` is false) and every column
/// reads as an empty text or 0. While a bootstrap is running, queries from
/// other threads wait until it has finished, so no feature ever reads
/// half-filled tables.
class NameDatabase {
public:
    NameDatabase() = default;
    ~NameDatabase();
    NameDatabase(const NameDatabase&) = delete;
    NameDatabase& operator=(const NameDatabase&) = delete;

    /// Opens `file` (an empty name opens a fresh in-memory database). Without
    /// `createIfMissing` a missing file is not created and opening fails.
    Result<void> open(const std::string& file = {}, bool createIfMissing = false);
    /// Closes the connection; false when none was open. Statements still held
    /// by callers read as empty afterwards.
    bool close();
    bool isOpen() const;

    /// Runs SQL text that returns no rows; a failure carries the engine's
    /// message (or says that no database is open).
    Result<void> execute(const std::string& sql);

    /// Prepares constant SQL text, binds `params` to its `?` in order and
    /// steps once. Returns an empty Statement when preparation fails.
    Statement query(const std::string& sql, const std::vector<SqlValue>& params = {});
    /// Steps to the next row; false at the end, on error and for an empty Statement.
    bool nextRow(Statement& stmt);
    /// Column `pos` (0-based) of the current row as text; "" for NULL or no row.
    std::string columnText(const Statement& stmt, int pos) const;
    /// Column `pos` of the current row as an integer; 0 when there is none.
    int columnInt(const Statement& stmt, int pos) const;
    /// The result column called `name` of the current row, as text ("" for
    /// NULL, no row or no such column) or as an integer (0 then).
    std::string columnText(const Statement& stmt, std::string_view name) const;
    int columnInt(const Statement& stmt, std::string_view name) const;
    /// The integer of column `name`, or nothing when it holds no integer
    /// (NULL, an empty text) or is missing.
    std::optional<int> columnIntOrNull(const Statement& stmt, std::string_view name) const;
    /// Releases the statement; false for an empty Statement.
    bool finalize(Statement& stmt);

    Result<void> createTable(const std::string& table, const std::vector<ColumnDef>& columns);
    Result<void> begin();
    Result<void> commit();
    Result<void> rollback();
    /// Attaches a database file under `alias` (an identifier). The file name
    /// is bound as a parameter, so any character in the path is harmless.
    Result<void> attach(const std::string& file, const std::string& alias);
    Result<void> detach(const std::string& alias);
    /// Makes a copy of the bytes of database `file` the main database of the
    /// open connection, in memory: later statements never touch the file.
    /// Fails when the file cannot be read (a damaged or foreign file is found
    /// by the first statement that reads it).
    Result<void> loadImage(const std::string& file);

    /// Bootstrap gate. `announceBootstrap` (called before the bootstrap thread
    /// starts) makes every query wait; `beginBootstrap` on the bootstrap thread
    /// exempts that thread; `endBootstrap` releases the waiting queries.
    void announceBootstrap();
    void beginBootstrap();
    void endBootstrap();
    /// Blocks until no bootstrap is running.
    void waitUntilReady() const;
    bool isBootstrapping() const;

private:
    void waitIfBootstrapping() const;
    Result<void> runSimple(const std::string& sql, const std::vector<SqlValue>& params);

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_ready;
    sqlite3* m_db = nullptr;
    bool m_bootstrapping = false;
    std::thread::id m_bootstrapThread;
};

} // namespace jm
