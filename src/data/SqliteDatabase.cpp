#include "data/SqliteDatabase.h"

#include <cstdint>
#include <sqlite3.h>

namespace korvani::data {

namespace {

// A "file:" URI for the path, every byte outside the unreserved set percent-encoded, so that
// blanks, "?" or "#" and Chinese characters in a folder name reach the file system unchanged.
std::string FileUri(const std::string& path, const char* query) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri = "file:";
    for (unsigned char c : path) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/' || c == '-' ||
            c == '_' || c == '.' || c == '~') {
            uri += static_cast<char>(c);
        } else {
            uri += '%';
            uri += kHex[c >> 4];
            uri += kHex[c & 0xF];
        }
    }
    return uri + query;
}

// korvani_shuffle(seed, id): a 64-bit mix of the two (splitmix64), so that "order by
// korvani_shuffle(?, ID)" lists a table's rows in an order that a seed repeats and that differs
// from seed to seed. The candidate queries draw their random samples of the name pools with it.
void Shuffle(sqlite3_context* context, int, sqlite3_value** args) {
    std::uint64_t z = static_cast<std::uint64_t>(sqlite3_value_int64(args[0])) +
                      static_cast<std::uint64_t>(sqlite3_value_int64(args[1])) * 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    sqlite3_result_int64(context, static_cast<sqlite3_int64>(z));
}

[[noreturn]] void Fail(sqlite3* db, int rc) { throw SqliteError(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc)); }
} // namespace

SqliteStatement::SqliteStatement(sqlite3* db, std::string_view sql) : m_db(db) {
    const int rc =
        sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT, &m_stmt, nullptr);
    if (rc != SQLITE_OK)
        Fail(db, rc);
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(m_stmt); }

void SqliteStatement::Reset() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

void SqliteStatement::Bind(int index, std::string_view text) {
    const int rc = sqlite3_bind_text(m_stmt, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    if (rc != SQLITE_OK)
        Fail(m_db, rc);
}

void SqliteStatement::Bind(int index, long long value) {
    const int rc = sqlite3_bind_int64(m_stmt, index, value);
    if (rc != SQLITE_OK)
        Fail(m_db, rc);
}

void SqliteStatement::Bind(const char* name, std::string_view text) {
    if (const int index = sqlite3_bind_parameter_index(m_stmt, name))
        Bind(index, text);
}

void SqliteStatement::Bind(const char* name, long long value) {
    if (const int index = sqlite3_bind_parameter_index(m_stmt, name))
        Bind(index, value);
}

bool SqliteStatement::Step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    Fail(m_db, rc);
}

bool SqliteStatement::IsNull(int column) const { return sqlite3_column_type(m_stmt, column) == SQLITE_NULL; }

std::string SqliteStatement::Text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, column))) : std::string();
}

long long SqliteStatement::Int(int column) const { return sqlite3_column_int64(m_stmt, column); }

double SqliteStatement::Real(int column) const { return sqlite3_column_double(m_stmt, column); }

int SqliteStatement::ColumnCount() const { return sqlite3_column_count(m_stmt); }

SqliteDatabase::SqliteDatabase(const std::string& path, Mode mode) {
    // The data files never change while the program runs: opened immutable, SQLite takes no locks
    // and never re-reads the file header between queries, and can write nothing beside the file.
    const int flags =
        mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY | SQLITE_OPEN_URI : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    const std::string name = mode == Mode::ReadOnly ? FileUri(path, "?immutable=1") : path;
    const int rc = sqlite3_open_v2(name.c_str(), &m_db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const std::string message = m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc);
        sqlite3_close(m_db);
        m_db = nullptr;
        throw SqliteError(message);
    }
    sqlite3_extended_result_codes(m_db, 1);
    if (mode == Mode::ReadOnly)
        Execute("PRAGMA query_only = 1");
    sqlite3_create_function(m_db, "korvani_shuffle", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, Shuffle, nullptr,
                            nullptr);
}

SqliteDatabase::~SqliteDatabase() {
    m_statements.clear();
    sqlite3_close(m_db);
}

SqliteStatement& SqliteDatabase::Prepare(std::string_view sql) {
    auto it = m_statements.find(std::string(sql));
    if (it == m_statements.end())
        it = m_statements.emplace(std::string(sql), std::make_unique<SqliteStatement>(m_db, sql)).first;
    it->second->Reset();
    return *it->second;
}

void SqliteDatabase::Execute(const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw SqliteError(message);
    }
}

} // namespace korvani::data
