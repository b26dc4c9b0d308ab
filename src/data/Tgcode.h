#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/DateValue.h"
#include "data/Repository.h"

namespace korvani::data {

// A solar term of the table `JQ`: its name and its moment as stored ("yyyy-mm-dd hh:mm:ss").
struct SolarTermRow {
    std::string name;
    std::string moment;
};

// Tgcode.dll: the elements of the stems and branches (`hzwh`), the ten gods (`Shishen`), the nayin
// of the sixty pairs (`jiazi`) and the moments of the solar terms (`JQ`).
class Tgcode : public Repository {
public:
    explicit Tgcode(DataStore& store) : Repository(store, DataFileId::Tgcode) {}

    // `hzwh`: element of the first row, in stored order, whose characters contain the (trimmed)
    // character. The character matches literally: a "%" or "_" in it is no wildcard. The empty
    // text matches every row. No row gives "".
    std::string ElementOf(std::string_view character) const;

    // `Shishen` and `jiazi`: ten god of a stem pair, nayin of a pillar; "" without a row.
    std::string TenGod(std::string_view stemPair) const;
    std::string Nayin(std::string_view pillar) const;

    // `JQ`: the terms of `year`'s table whose moment falls on `day`, in stored order.
    std::vector<SolarTermRow> TermsOn(int year, const base::CivilDate& day) const;
};

} // namespace korvani::data
