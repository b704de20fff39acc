#include "cache/SqliteConnection.h"

#include <utility>

namespace quorvex::cache {

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(statement_);
}

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : statement_(std::exchange(other.statement_, nullptr))
{
}

SqliteStatement& SqliteStatement::operator=(SqliteStatement&& other) noexcept
{
    if (this != &other) {
        sqlite3_finalize(statement_);
        statement_ = std::exchange(other.statement_, nullptr);
    }
    return *this;
}

void SqliteStatement::bind(int index, std::int64_t value)
{
    sqlite3_bind_int64(statement_, index, value);
}

void SqliteStatement::bind(int index, const void* bytes, int size)
{
    sqlite3_bind_blob(statement_, index, bytes, size, SQLITE_TRANSIENT);
}

void SqliteStatement::bindNull(int index)
{
    sqlite3_bind_null(statement_, index);
}

int SqliteStatement::step()
{
    return sqlite3_step(statement_);
}

void SqliteStatement::reset()
{
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

std::int64_t SqliteStatement::integer(int column) const
{
    return sqlite3_column_int64(statement_, column);
}

bool SqliteStatement::isNull(int column) const
{
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

std::string_view SqliteStatement::blob(int column) const
{
    const void* bytes = sqlite3_column_blob(statement_, column);
    const int size = sqlite3_column_bytes(statement_, column);
    return bytes != nullptr
               ? std::string_view(static_cast<const char*>(bytes), static_cast<std::size_t>(size))
               : std::string_view();
}

SqliteConnection::~SqliteConnection()
{
    close();
}

int SqliteConnection::open(const std::string& path)
{
    close();
    const int code =
        sqlite3_open_v2(path.c_str(), &db_,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK)
        return code; // db_ stays set so that lastError() can tell why
    sqlite3_extended_result_codes(db_, 1);
    return code;
}

void SqliteConnection::close()
{
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

int SqliteConnection::execute(const char* sql)
{
    return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
}

SqliteStatement SqliteConnection::prepare(const char* sql)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr) !=
        SQLITE_OK)
        return {};
    return SqliteStatement(statement);
}

std::int64_t SqliteConnection::queryInteger(const char* sql, std::int64_t fallback)
{
    SqliteStatement statement = prepare(sql);
    if (!statement.valid() || statement.step() != SQLITE_ROW)
        return fallback;
    return statement.integer(0);
}

std::string SqliteConnection::lastError() const
{
    return db_ != nullptr ? sqlite3_errmsg(db_) : "out of memory";
}

int SqliteConnection::lastCode() const
{
    return db_ != nullptr ? sqlite3_extended_errcode(db_) : SQLITE_NOMEM;
}

bool IsDamage(int code)
{
    const int primary = code & 0xff;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

} // namespace quorvex::cache
