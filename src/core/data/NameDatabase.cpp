#include "data/NameDatabase.h"

#include <sqlite3.h>

#include <cctype>
#include <utility>

namespace jm {

Statement::~Statement()
{
    if (m_stmt) sqlite3_finalize(m_stmt);
}

Statement::Statement(Statement&& other) noexcept
    : m_stmt(std::exchange(other.m_stmt, nullptr))
    , m_onRow(std::exchange(other.m_onRow, false))
{
}

Statement& Statement::operator=(Statement&& other) noexcept
{
    if (this != &other) {
        if (m_stmt) sqlite3_finalize(m_stmt);
        m_stmt = std::exchange(other.m_stmt, nullptr);
        m_onRow = std::exchange(other.m_onRow, false);
    }
    return *this;
}

int Statement::columnIndex(std::string_view name) const
{
    if (!m_stmt) return -1;
    const int count = sqlite3_column_count(m_stmt);
    for (int i = 0; i < count; ++i) {
        const char* column = sqlite3_column_name(m_stmt, i);
        if (column && name == column) return i;
    }
    return -1;
}

namespace {

const char* const kNotOpen = "the database is not open";

} // namespace

NameDatabase::~NameDatabase()
{
    close();
}

Result<void> NameDatabase::open(const std::string& file, bool createIfMissing)
{
    std::lock_guard lock(m_mutex);
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX;
    if (createIfMissing) flags |= SQLITE_OPEN_CREATE;
    const std::string name = file.empty() ? std::string(":memory:") : file;
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(name.c_str(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        if (db) sqlite3_close_v2(db);
        return Failure { std::move(message) };
    }
    m_db = db;
    return success();
}

bool NameDatabase::close()
{
    std::lock_guard lock(m_mutex);
    if (!m_db) return false;
    // close_v2 lets statements still held by callers finish safely.
    const int rc = sqlite3_close_v2(m_db);
    m_db = nullptr;
    return rc == SQLITE_OK;
}

bool NameDatabase::isOpen() const
{
    std::lock_guard lock(m_mutex);
    return m_db != nullptr;
}

Result<void> NameDatabase::execute(const std::string& sql)
{
    waitIfBootstrapping();
    std::lock_guard lock(m_mutex);
    if (!m_db) return Failure { kNotOpen };
    char* message = nullptr;
    const int rc = sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &message);
    std::string text = message ? message : sqlite3_errstr(rc);
    sqlite3_free(message);
    if (rc != SQLITE_OK) return Failure { std::move(text) };
    return success();
}

namespace {

bool bindAll(sqlite3_stmt* stmt, const std::vector<SqlValue>& params)
{
    int index = 1;
    for (const SqlValue& value : params) {
        int rc;
        if (const auto* n = std::get_if<long long>(&value)) {
            rc = sqlite3_bind_int64(stmt, index, *n);
        } else {
            const std::string& s = std::get<std::string>(value);
            rc = sqlite3_bind_text(stmt, index, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
        }
        if (rc != SQLITE_OK) return false;
        ++index;
    }
    return true;
}

} // namespace

Statement NameDatabase::query(const std::string& sql, const std::vector<SqlValue>& params)
{
    waitIfBootstrapping();
    Statement result;
    {
        std::lock_guard lock(m_mutex);
        if (!m_db) return result;
        sqlite3_stmt* stmt = nullptr;
        const char* tail = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.c_str(), static_cast<int>(sql.size()) + 1, &stmt, &tail) != SQLITE_OK
            || !stmt) {
            if (stmt) sqlite3_finalize(stmt);
            return result;
        }
        result.m_stmt = stmt;
    }
    if (!bindAll(result.m_stmt, params)) {
        sqlite3_finalize(result.m_stmt);
        result.m_stmt = nullptr;
        return result;
    }
    result.m_onRow = sqlite3_step(result.m_stmt) == SQLITE_ROW;
    return result;
}

bool NameDatabase::nextRow(Statement& stmt)
{
    if (!stmt.m_stmt) return false;
    if (!stmt.m_onRow) return false;
    stmt.m_onRow = sqlite3_step(stmt.m_stmt) == SQLITE_ROW;
    return stmt.m_onRow;
}

std::string NameDatabase::columnText(const Statement& stmt, int pos) const
{
    if (!stmt.m_stmt || !stmt.m_onRow) return {};
    const auto* text = sqlite3_column_text(stmt.m_stmt, pos);
    if (!text) return {};
    const int bytes = sqlite3_column_bytes(stmt.m_stmt, pos);
    return std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(bytes));
}

int NameDatabase::columnInt(const Statement& stmt, int pos) const
{
    if (!stmt.m_stmt || !stmt.m_onRow) return 0;
    return sqlite3_column_int(stmt.m_stmt, pos);
}

std::string NameDatabase::columnText(const Statement& stmt, std::string_view name) const
{
    const int pos = stmt.columnIndex(name);
    return pos < 0 ? std::string() : columnText(stmt, pos);
}

int NameDatabase::columnInt(const Statement& stmt, std::string_view name) const
{
    const int pos = stmt.columnIndex(name);
    return pos < 0 ? 0 : columnInt(stmt, pos);
}

std::optional<int> NameDatabase::columnIntOrNull(const Statement& stmt, std::string_view name) const
{
    const int pos = stmt.columnIndex(name);
    if (pos < 0 || !stmt.m_onRow || sqlite3_column_type(stmt.m_stmt, pos) != SQLITE_INTEGER) return std::nullopt;
    return sqlite3_column_int(stmt.m_stmt, pos);
}

bool NameDatabase::finalize(Statement& stmt)
{
    if (!stmt.m_stmt) return false;
    const int rc = sqlite3_finalize(stmt.m_stmt);
    stmt.m_stmt = nullptr;
    stmt.m_onRow = false;
    return rc == SQLITE_OK;
}

Result<void> NameDatabase::createTable(const std::string& table, const std::vector<ColumnDef>& columns)
{
    return execute(createTableSql(table, columns));
}

Result<void> NameDatabase::begin()
{
    return execute("BEGIN");
}
Result<void> NameDatabase::commit()
{
    return execute("COMMIT");
}
Result<void> NameDatabase::rollback()
{
    return execute("ROLLBACK");
}

namespace {

bool isIdentifier(const std::string& s)
{
    if (s.empty() || std::isdigit(static_cast<unsigned char>(s[0]))) return false;
    for (char c : s)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    return true;
}

} // namespace

Result<void> NameDatabase::runSimple(const std::string& sql, const std::vector<SqlValue>& params)
{
    waitIfBootstrapping();
    std::lock_guard lock(m_mutex);
    if (!m_db) return Failure { kNotOpen };
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(m_db, sql.c_str(), static_cast<int>(sql.size()) + 1, &stmt, nullptr);
    if (rc == SQLITE_OK && bindAll(stmt, params)) rc = sqlite3_step(stmt);
    const bool ok = rc == SQLITE_DONE || rc == SQLITE_ROW;
    std::string message = ok ? std::string() : std::string(sqlite3_errmsg(m_db));
    sqlite3_finalize(stmt);
    if (!ok) return Failure { std::move(message) };
    return success();
}

Result<void> NameDatabase::attach(const std::string& file, const std::string& alias)
{
    if (!isIdentifier(alias)) return Failure { "invalid database alias" };
    return runSimple("Attach Database ? as " + alias, { file });
}

Result<void> NameDatabase::detach(const std::string& alias)
{
    if (!isIdentifier(alias)) return Failure { "invalid database alias" };
    return runSimple("Detach Database " + alias, {});
}

void NameDatabase::announceBootstrap()
{
    std::lock_guard lock(m_mutex);
    m_bootstrapping = true;
    m_bootstrapThread = {};
}

void NameDatabase::beginBootstrap()
{
    std::lock_guard lock(m_mutex);
    m_bootstrapping = true;
    m_bootstrapThread = std::this_thread::get_id();
}

void NameDatabase::endBootstrap()
{
    {
        std::lock_guard lock(m_mutex);
        m_bootstrapping = false;
        m_bootstrapThread = {};
    }
    m_ready.notify_all();
}

void NameDatabase::waitUntilReady() const
{
    std::unique_lock lock(m_mutex);
    m_ready.wait(lock, [this] { return !m_bootstrapping; });
}

bool NameDatabase::isBootstrapping() const
{
    std::lock_guard lock(m_mutex);
    return m_bootstrapping;
}

void NameDatabase::waitIfBootstrapping() const
{
    std::unique_lock lock(m_mutex);
    if (m_bootstrapping && m_bootstrapThread == std::this_thread::get_id()) return;
    m_ready.wait(lock, [this] { return !m_bootstrapping; });
}

} // namespace jm
