#pragma once

#include <optional>
#include <string>

#include "base/DateValue.h"
#include "data/Repository.h"

namespace korvani::data {

// One day of the almanac (`huangdao`), its texts trimmed.
struct AlmanacRow {
    std::string gn; // the day, yyyy-mm-dd
    std::string nn;
    std::string suici;
    std::string tszf;
    std::string wuhang;
    std::string cong;
    std::string pzbj;
    std::string jsyq;
    std::string yi;
    std::string xsyq;
    std::string ji;
};

// OrvBirth.dll: the almanac (`huangdao`).
class OrvBirth : public Repository {
public:
    explicit OrvBirth(DataStore& store) : Repository(store, DataFileId::OrvBirth) {}

    // The almanac row of a day.
    std::optional<AlmanacRow> AlmanacDay(const base::CivilDate& day) const;
};

} // namespace korvani::data
