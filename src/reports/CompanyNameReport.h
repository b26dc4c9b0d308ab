#pragma once

#include <string>

#include "chart/BirthInput.h"
#include "base/ReportTypes.h"
#include "data/DataStore.h"

namespace korvani::reports {

// The three parts of a company name as typed: region prefix (地区前缀), short name or main body
// (企业简称, 主体) and industry suffix (行业后缀).
struct CompanyNameParts {
    std::string prefix;
    std::string shortName;
    std::string suffix;
};

// Field limits in GBK bytes, as the input fields hold them.
inline constexpr std::size_t kShortNameMaxBytes = 8;
inline constexpr std::size_t kAffixMaxBytes = 100;
inline constexpr std::size_t kPersonNameMaxBytes = 20;

inline constexpr std::string_view kNameSeparator = "<-----------------------批名字分隔线----------------------------->";

// The company-name analysis report: the legal representative's chart, then the numerology of the
// name in three grids (行运格 of the short name with each of its characters, 使运格 of the suffix,
// 主运格 of the whole name), each with its meaning text. `currentYear` gives the age.
//
// Returns the input check's message (with the field that takes the focus) or the report's lines.
// The name parts enter the numerology as typed, untrimmed, cut by characters: a one-byte character
// is a unit of its own that counts 0 strokes. A text that is no date or integer throws InputError;
// a data-file failure throws DataFileError; either way no line is returned.
base::ReportOutcome BuildCompanyNameReport(data::DataStore& store, const chart::BirthInput& birth,
                                           const CompanyNameParts& name, int currentYear);

} // namespace korvani::reports
