#include "data/NameDatabase.h"

#include <sqlite3.h>

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

// Reads the whole of `fd` (`size` bytes) into a buffer of SQLite's allocator;
// null (errno set) when it cannot.
unsigned char* readImage(int fd, std::size_t size, std::size_t capacity)
{
    auto* bytes = static_cast<unsigned char*>(sqlite3_malloc64(capacity));
    if (!bytes) {
        errno = ENOMEM;
        return nullptr;
    }
#ifdef MADV_HUGEPAGE
    // Some twenty megabytes arrive at once: in large pages the kernel fills
    // them with a dozen faults instead of thousands, most of the cost.
    const auto first = (reinterpret_cast<std::uintptr_t>(bytes) + 4095) & ~std::uintptr_t { 4095 };
    const auto last = (reinterpret_cast<std::uintptr_t>(bytes) + capacity) & ~std::uintptr_t { 4095 };
    if (last > first) (void)::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, bytes + got, size - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO; // the file became shorter while read
            sqlite3_free(bytes);
            return nullptr;
        }
        got += static_cast<std::size_t>(n);
    }
    return bytes;
}

} // namespace

Result<void> NameDatabase::loadImage(const std::string& file)
{
    waitIfBootstrapping();
    std::lock_guard lock(m_mutex);
    if (!m_db) return Failure { kNotOpen };
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Failure { std::strerror(errno) };
    struct stat status { };
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return Failure { "not a regular file" };
    }
    const auto size = static_cast<std::size_t>(status.st_size);
    if (size == 0) { // an empty file is an empty database, as SQLite opens it
        ::close(fd);
        return success();
    }
    // Room to grow (indexes or tables the file lacks) without moving the
    // whole database; pages never written cost nothing.
    const std::size_t capacity = size + size / 8 + (std::size_t { 1 } << 20);
    unsigned char* bytes = readImage(fd, size, capacity);
    const int readError = errno;
    ::close(fd);
    if (!bytes) return Failure { std::strerror(readError) };
    // SQLite owns the buffer from here, also when this fails.
    const int rc = sqlite3_deserialize(m_db, "main", bytes, static_cast<sqlite3_int64>(size),
        static_cast<sqlite3_int64>(capacity), SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE);
    if (rc != SQLITE_OK) return Failure { sqlite3_errmsg(m_db) };
    return success();
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
