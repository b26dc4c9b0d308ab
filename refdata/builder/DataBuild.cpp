// Builds one data file from its schema and the TSV texts of its tables.
//
//   korvani-databuild OUTPUT FILENAME VERSION SCHEMA.sql [TABLE.tsv ...]
//
// Each TSV file fills the table named after it: first line the column names, then one row per line,
// fields separated by TAB. Values are bound as text; the columns' declared types turn numbers into
// numbers. A `meta` table records the file name and the data version, which the program checks when
// it opens the file. Last the file is sealed with the digest of its bytes (data/DataFileSeal.h),
// which the program checks before it reads anything from it. The file is written under a temporary
// name and renamed at the end, so a failed build never leaves a half-written data file behind.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "SplitTabs.h"
#include "base/Utf8.h"
#include "data/DataFileSeal.h"
#include "data/SqliteDatabase.h"

namespace fs = std::filesystem;
using korvani::refdata::SplitTabs;
using korvani::data::SqliteDatabase;

namespace {

struct BuildError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string QuoteIdentifier(const std::string& name) {
    std::string out = "\"";
    for (char c : name)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw BuildError(path.string() + ": cannot be read");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void LoadTable(SqliteDatabase& db, const fs::path& tsv) {
    const std::string table = tsv.stem().string();
    std::istringstream in(ReadFile(tsv));
    std::string line;
    if (!std::getline(in, line))
        throw BuildError(tsv.string() + ": no header line");
    const std::vector<std::string> columns = SplitTabs(line);

    std::string sql = "insert into " + QuoteIdentifier(table) + " (";
    for (std::size_t i = 0; i < columns.size(); ++i)
        sql += (i ? ", " : "") + QuoteIdentifier(columns[i]);
    sql += ") values (";
    for (std::size_t i = 0; i < columns.size(); ++i)
        sql += i ? ", ?" : "?";
    sql += ")";

    int lineNumber = 1;
    while (std::getline(in, line)) {
        ++lineNumber;
        const std::string where = tsv.string() + ":" + std::to_string(lineNumber) + ": ";
        if (!line.empty() && line.back() == '\r')
            throw BuildError(where + "CR line end");
        if (!korvani::base::IsValidUtf8(line))
            throw BuildError(where + "not UTF-8");
        const std::vector<std::string> fields = SplitTabs(line);
        if (fields.size() != columns.size())
            throw BuildError(where + std::to_string(fields.size()) + " fields, the header has " +
                             std::to_string(columns.size()));
        auto& insert = db.Prepare(sql);
        for (std::size_t i = 0; i < fields.size(); ++i)
            insert.Bind(static_cast<int>(i + 1), fields[i]);
        try {
            insert.Step();
        } catch (const std::exception& e) {
            throw BuildError(where + e.what());
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::cerr << "usage: korvani-databuild OUTPUT FILENAME VERSION SCHEMA.sql [TABLE.tsv ...]\n";
        return 2;
    }
    const fs::path output = argv[1];
    const std::string fileName = argv[2];
    const std::string version = argv[3];
    const fs::path schema = argv[4];
    const fs::path temporary = output.string() + ".building";
    try {
        fs::remove(temporary);
        {
            SqliteDatabase db(temporary.string(), SqliteDatabase::Mode::Create);
            db.Execute("PRAGMA journal_mode = OFF");
            db.Execute("BEGIN");
            db.Execute(ReadFile(schema));
            db.Execute("CREATE TABLE meta (key TEXT NOT NULL PRIMARY KEY, value TEXT NOT NULL)");
            for (const auto& [key, value] : {std::pair<std::string, std::string>{"file", fileName},
                                             std::pair<std::string, std::string>{"data_version", version}}) {
                auto& meta = db.Prepare("insert into meta (key, value) values (?, ?)");
                meta.Bind(1, key);
                meta.Bind(2, value);
                meta.Step();
            }
            for (int i = 5; i < argc; ++i)
                LoadTable(db, argv[i]);
            db.Execute("COMMIT");
            db.Execute("PRAGMA journal_mode = DELETE");
            db.Execute("VACUUM");
        }
        korvani::data::SealDataFile(temporary.string());
        fs::rename(temporary, output);
    } catch (const std::exception& e) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        std::cerr << "korvani-databuild: " << fileName << ": " << e.what() << "\n";
        return 1;
    }
    return 0;
}
