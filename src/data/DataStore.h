#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "base/Errors.h"
#include "data/DataFileId.h"
#include "data/SqliteDatabase.h"

namespace korvani::data {

// Folder of the running program file, ending with a path separator. Follows the program wherever
// its folder is moved.
std::string ProgramDirectory();

// Where a data file is read from: the file of that name in ProgramDirectory. (On the old engine
// this was a provider string around the same path; the store opens the path itself.)
std::string ConnectionStringFor(std::string_view fileName);

// The five data files and their connections. A connection opens on first use, read-only, after a
// check that the file is one of ours and of the data version this program reads; it then stays
// open until Close or the store's end. Nothing is ever written.
class DataStore {
public:
    // A store over the files in `directory` (with or without a trailing separator).
    explicit DataStore(std::string directory = ProgramDirectory());
    ~DataStore();
    DataStore(const DataStore&) = delete;
    DataStore& operator=(const DataStore&) = delete;

    const std::string& Directory() const { return m_directory; }
    std::string PathOf(DataFileId id) const;

    // The open connection of a file. Throws DataFileError with a message naming the file when it
    // is missing, damaged or of another data version.
    SqliteDatabase& Connection(DataFileId id);

    // Runs `read` on the file's connection; an engine failure while reading becomes a
    // DataFileError that names the file.
    template <typename Reader>
    auto Read(DataFileId id, Reader&& read) -> decltype(read(std::declval<SqliteDatabase&>())) {
        SqliteDatabase& db = Connection(id);
        try {
            return read(db);
        } catch (const SqliteError& e) {
            throw ReadFailure(id, e.what());
        }
    }

    // Closes every open connection; the next use opens again.
    void Close();

private:
    DataFileError ReadFailure(DataFileId id, const std::string& reason) const;

    std::string m_directory;
    std::map<DataFileId, std::unique_ptr<SqliteDatabase>> m_connections;
};

} // namespace korvani::data
