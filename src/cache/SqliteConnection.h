#pragma once
// A thin owner of an SQLite connection and its prepared statements: every handle is
// closed by its destructor, and every failure is a return value with SQLite's text.

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvex::cache {

class SqliteStatement
{
public:
    SqliteStatement() = default;
    ~SqliteStatement();
    SqliteStatement(SqliteStatement&& other) noexcept;
    SqliteStatement& operator=(SqliteStatement&& other) noexcept;
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool valid() const { return statement_ != nullptr; }
    // Binds parameter `index` (1-based).
    void bind(int index, std::int64_t value);
    void bind(int index, const void* bytes, int size);
    void bindNull(int index);
    // SQLITE_ROW, SQLITE_DONE or an error code.
    int step();
    // Makes the statement ready to run again and clears its parameters.
    void reset();
    std::int64_t integer(int column) const;
    bool isNull(int column) const;
    // The column's bytes; valid until the next step or reset.
    std::string_view blob(int column) const;

private:
    friend class SqliteConnection;
    explicit SqliteStatement(sqlite3_stmt* statement) : statement_(statement) {}
    sqlite3_stmt* statement_ = nullptr;
};

class SqliteConnection
{
public:
    SqliteConnection() = default;
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    // Opens (and creates) the database file; the result code.
    int open(const std::string& path);
    void close();
    bool isOpen() const { return db_ != nullptr; }
    // Runs statements without results; the result code.
    int execute(const char* sql);
    // A prepared statement, invalid on failure (lastError() says why).
    SqliteStatement prepare(const char* sql);
    // The first column of the first row of a query; `fallback` when there is none.
    std::int64_t queryInteger(const char* sql, std::int64_t fallback);
    // The text of the last failure on this connection.
    std::string lastError() const;
    int lastCode() const;

private:
    sqlite3* db_ = nullptr;
};

// Whether a result code says the file is not a database or is damaged.
bool IsDamage(int code);

} // namespace quorvex::cache
