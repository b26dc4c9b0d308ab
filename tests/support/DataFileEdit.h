#pragma once

#include <filesystem>
#include <sqlite3.h>
#include <string>

#include "data/DataFileSeal.h"

namespace korvani::testing {

// Runs SQL on a copy of a data file and seals the copy again, as the builder seals the files it
// writes: the store then reads the edited rows instead of refusing the file as damaged. Returns
// SQLite's message, empty when the SQL ran.
inline std::string EditDataFile(const std::filesystem::path& file, const std::string& sql) {
    sqlite3* db = nullptr;
    std::string error;
    if (sqlite3_open(file.string().c_str(), &db) != SQLITE_OK) {
        error = db ? sqlite3_errmsg(db) : "cannot open";
    } else {
        char* message = nullptr;
        if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK)
            error = message ? message : "failed";
        sqlite3_free(message);
    }
    sqlite3_close(db);
    if (error.empty())
        data::SealDataFile(file.string());
    return error;
}

} // namespace korvani::testing
