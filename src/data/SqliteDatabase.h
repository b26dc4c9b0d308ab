#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

namespace korvani::data {

// Raised by the wrapper with SQLite's own message; the store turns it into a message that names
// the data file.
class SqliteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A prepared statement, kept for the life of its connection and reset after each use.
class SqliteStatement {
public:
    SqliteStatement(sqlite3* db, std::string_view sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // Clears the previous run and its bindings.
    void Reset();
    void Bind(int index, std::string_view text);
    void Bind(int index, long long value);
    // Binds a named parameter (":name"); a name the statement does not use is passed over.
    void Bind(const char* name, std::string_view text);
    void Bind(const char* name, long long value);
    // Advances to the next row; false when there is none.
    bool Step();
    bool IsNull(int column) const;
    std::string Text(int column) const;
    long long Int(int column) const;
    double Real(int column) const;
    int ColumnCount() const;

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

// One SQLite connection. Read-only connections refuse every write at the engine level.
class SqliteDatabase {
public:
    enum class Mode { ReadOnly, Create };
    SqliteDatabase(const std::string& path, Mode mode);
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    // The statement for a constant SQL text, prepared on first use and then kept. The statement is
    // reset before it is handed out.
    SqliteStatement& Prepare(std::string_view sql);
    // Runs SQL text without results (for the data builder).
    void Execute(const std::string& sql);

private:
    sqlite3* m_db = nullptr;
    std::unordered_map<std::string, std::unique_ptr<SqliteStatement>> m_statements;
};

} // namespace korvani::data
