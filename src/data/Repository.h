#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "data/DataStore.h"

namespace korvani::data {

// The common ground of the repositories of the five data files: the store and the one data file
// whose tables a repository reads. Every query binds its keys; every failure to open or read the
// file is a DataFileError that names it. Which failures a command swallows is the caller's rule.
class Repository {
public:
    Repository(DataStore& store, DataFileId file) : m_store(store), m_file(file) {}

    DataStore& Store() const { return m_store; }

protected:
    // Runs `read` on the file's connection (see DataStore::Read).
    template <typename Reader>
    auto Read(Reader&& read) const {
        return m_store.Read(m_file, std::forward<Reader>(read));
    }
    // First column of the first row of a one-key query, trimmed; nullopt without a row.
    std::optional<std::string> FirstText(std::string_view sql, std::string_view key) const;

private:
    DataStore& m_store;
    DataFileId m_file;
};

} // namespace korvani::data
