#pragma once

#include "chart/BirthInput.h"
#include "base/ReportTypes.h"
#include "data/DataStore.h"

namespace korvani::reports {

// The separator lines of the reports.
inline constexpr std::string_view kFrameLine =
    "<=================================================================================>";
inline constexpr std::string_view kChartSeparator =
    "<-----------------------批八字内容分隔线----------------------------->";
inline constexpr std::string_view kReferenceOnlyLine =
    "<-----------------------以上内容只作参考----------------------------->";

// The birth-chart report (批八字) of an input: personal data, the eight characters with their ten
// gods, hidden stems, elements and nayin, the luck pillars, the annual pillars and minor luck, the
// element counts and the bone-weight fortune. `currentYear` gives the age.
//
// Returns the input check's message, or the report's lines. A text that is no date or integer
// throws InputError; a failure to read the bone weights throws CommandAbandoned. Either way no
// line is returned, so the page keeps its previous report.
base::ReportOutcome BuildBirthChartReport(data::DataStore& store, const chart::BirthInput& input, int currentYear);

} // namespace korvani::reports
