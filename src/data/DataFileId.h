#pragma once

#include <array>
#include <string_view>

namespace korvani::data {

// The five data files beside the programs. Their names keep the established ".dll" extension,
// though each is an SQLite database.
enum class DataFileId {
    Zelmar,   // characters, name pools, stroke-pattern scores
    OrvFile,  // meaning texts of the numbers 0 to 80
    OrvBirth, // the almanac
    Dream,    // dream dictionary, phone readings, bone weights
    Tgcode,   // element of a character, ten gods, nayin, solar-term moments
};

inline constexpr std::array<DataFileId, 5> kAllDataFiles = {
    DataFileId::Zelmar, DataFileId::OrvFile, DataFileId::OrvBirth, DataFileId::Dream, DataFileId::Tgcode};

std::string_view FileName(DataFileId id);

} // namespace korvani::data
