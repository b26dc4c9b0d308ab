#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "data/Repository.h"

namespace korvani::data {

// Zelmar.dll: the character table `word`, the name pools `CYZI` and `MZ`, the stroke patterns `gz`.
class Zelmar : public Repository {
public:
    explicit Zelmar(DataStore& store) : Repository(store, DataFileId::Zelmar) {}

    // `word`: stroke count and traditional form of one character (the key as given, untrimmed).
    std::optional<int> WordStrokes(std::string_view zi) const;
    std::optional<std::string> WordTraditional(std::string_view zi) const;

    // Runs a read over the pools, for the candidate queries of the naming run.
    template <typename Reader>
    auto ReadPools(Reader&& read) const {
        return Read(std::forward<Reader>(read));
    }
};

} // namespace korvani::data
