#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "data/Repository.h"

namespace korvani::data {

// OrvFile.dll: the meaning texts of the 81 numbers (`namefx`).
class OrvFile : public Repository {
public:
    explicit OrvFile(DataStore& store) : Repository(store, DataFileId::OrvFile) {}

    // The meaning text of a number written in decimal.
    std::optional<std::string> NumberMeaning(std::string_view number) const;
};

} // namespace korvani::data
