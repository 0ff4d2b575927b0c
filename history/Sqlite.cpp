// The SQLite layer: every error code becomes a HistoryError with its message.
#include "history/Sqlite.h"

#include <sqlite3.h>

namespace {

// How long a reader waits for the one writer's transaction to end.
constexpr int kBusyTimeoutMs = 2000;

[[noreturn]] void fail(sqlite3* db, const std::string& what)
{
    const std::string message = what + ": " + (db ? sqlite3_errmsg(db) : "out of memory");
    const int code = db ? sqlite3_errcode(db) & 0xff : SQLITE_NOMEM;
    if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT || code == SQLITE_FORMAT)
        throw DamagedHistoryError(message);
    throw HistoryError(message);
}

} // namespace

Database::Database(const std::string& path, bool create)
{
    const int flags = create ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE : SQLITE_OPEN_READONLY;
    if (sqlite3_open_v2(path.c_str(), &m_db, flags, nullptr) != SQLITE_OK) {
        const std::string message = m_db ? sqlite3_errmsg(m_db) : "out of memory";
        sqlite3_close(m_db);
        m_db = nullptr;
        throw HistoryError("cannot open " + path + ": " + message);
    }
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
    sqlite3_extended_result_codes(m_db, 1);
}

Database::~Database()
{
    sqlite3_close(m_db);
}

void Database::exec(const std::string& sql)
{
    if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(m_db, "database");
}

std::int64_t Database::lastInsertId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

Statement::Statement(Database& db, const char* sql) : m_db(db)
{
    if (sqlite3_prepare_v2(db.handle(), sql, -1, &m_stmt, nullptr) != SQLITE_OK)
        fail(db.handle(), "database");
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

Statement& Statement::bind(std::int64_t value)
{
    if (sqlite3_bind_int64(m_stmt, m_next++, value) != SQLITE_OK)
        fail(m_db.handle(), "database");
    return *this;
}

Statement& Statement::bind(const std::string& text)
{
    if (sqlite3_bind_text(m_stmt, m_next++, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT) != SQLITE_OK)
        fail(m_db.handle(), "database");
    return *this;
}

Statement& Statement::bindBlob(const void* data, std::size_t size)
{
    if (sqlite3_bind_blob(m_stmt, m_next++, data, static_cast<int>(size), SQLITE_TRANSIENT) != SQLITE_OK)
        fail(m_db.handle(), "database");
    return *this;
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        fail(m_db.handle(), "database");
    return false;
}

void Statement::run()
{
    while (step()) {
    }
}

std::int64_t Statement::integer(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

std::string Statement::text(int column) const
{
    const auto* p = sqlite3_column_text(m_stmt, column);
    return p ? std::string(reinterpret_cast<const char*>(p), static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, column)))
             : std::string();
}

std::vector<unsigned char> Statement::blob(int column) const
{
    const auto* p = static_cast<const unsigned char*>(sqlite3_column_blob(m_stmt, column));
    const int n = sqlite3_column_bytes(m_stmt, column);
    return p ? std::vector<unsigned char>(p, p + n) : std::vector<unsigned char>();
}

Transaction::Transaction(Database& db) : m_db(db)
{
    // IMMEDIATE: the write lock is taken now, not halfway through the step.
    m_db.exec("BEGIN IMMEDIATE");
}

Transaction::~Transaction()
{
    if (!m_done)
        sqlite3_exec(m_db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit()
{
    m_db.exec("COMMIT");
    m_done = true;
}
