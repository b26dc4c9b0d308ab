#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/RandomSource.h"
#include "base/ReportTypes.h"
#include "chart/BirthInput.h"
#include "data/DataStore.h"
#include "naming/AssociationFilter.h"
#include "naming/CandidateQuery.h"

namespace korvani::naming {

// How a run chooses the elements that every candidate must carry: 补缺, the elements the chart
// lacks (the first n, n the name length); or 喜用神, the elements that balance the day master
// (用神 then 喜神, up to n), avoiding its 忌神 where the length allows.
enum class ElementMode { Missing, Favourable };

// The naming page's inputs.
struct NamingRequest {
    chart::BirthInput birth;
    std::string prefix;                 // 地区前缀 (NameBegin)
    std::string suffix;                 // 行业后缀 (NameEnd)
    int length = 2;                     // 2, 3 or 4 (二字名, 三字名, 四字名)
    std::array<std::string, 4> fixed{}; // 字词限定: the fixed character of positions 1 to 4, or empty
    ElementMode elements = ElementMode::Missing;
};

// What a run keeps for the pages of its result.
struct NamingState {
    std::string missingElements;               // the elements the chart lacks, in the order 金木水火土
    std::vector<std::string> requiredElements; // the elements every candidate must contain
    std::vector<std::string> avoidedElements;  // 喜用神: the 忌神 that no candidate may contain
    std::string elementReason;                 // 喜用神: which elements are asked for and why
    std::string prefixFt;                      // traditional form of the prefix
    std::string suffixFt;                      // traditional form of the suffix
    int suffixBh = 0;                          // strokes of the suffix
    int affixBh = 0;                           // strokes of suffix and prefix together
};

struct NamingResult {
    NamingState state;
    std::vector<CandidateRow> rows;
    std::string note; // the note beside the run buttons: how many were found, or why none was
};

// A run's outcome: the input check's message (`caption` "提示" for the information box, "信息提示"
// for the all-positions-fixed box), or the result.
struct NamingOutcome {
    std::optional<base::ValidationMessage> message;
    std::string caption;
    std::optional<NamingResult> result;
};

// The elements (金, 木, 水, 火, 土, in this order) that none of the chart's eight characters has.
// The birth must pass ResolveBirth; its messages come back as the outcome's message.
std::variant<std::string, base::ValidationMessage> ComputeMissingElements(data::DataStore& store,
                                                                          const chart::BirthInput& birth);

// The candidates a run shows: bodies whose reading, alone or joined to the prefix and suffix, gives
// an unfortunate sense never reach the grid, nor bodies in which a drawn character repeats another
// or sounds like it (金海海顺, 华成诚), nor bodies that pile up more than two characters of wealth
// (宏兴隆盛), nor bodies that read as a person's full name: a surname the user fixed first and a
// drawn character that opens a given name (华永兴); a character the user fixed twice stays.
std::vector<CandidateRow> KeepCandidates(AssociationFilter& filter, std::vector<CandidateRow> rows,
                                         const std::array<bool, 4>& fixed, std::string_view prefix,
                                         std::string_view suffix);

// The candidates of a template for the elements required: drawn, then kept as KeepCandidates
// keeps them. Two free characters are first drawn from the bodies a reader took as a shop name;
// where those leave less than a page, the sound but looser pairings are drawn as well, so that a
// chart that lacks two rarely paired elements still fills its pages.
std::vector<CandidateRow> DrawCandidates(data::DataStore& store, AssociationFilter& filter, const CandidateTemplate& t,
                                         const std::array<std::string, 4>& fixedCharacters,
                                         const std::vector<std::string>& requiredElements,
                                         const std::vector<std::string>& avoidedElements, std::string_view prefix,
                                         std::string_view suffix, base::RandomSource& random);

// One naming run: checks the inputs in order, computes the missing elements (or the favourable
// ones) and the affixes' strokes and traditional forms, and runs the template of the length and
// fixed positions.
// Throws InputError for a text that is no date or integer, DataFileError for an unreadable file.
NamingOutcome RunNaming(data::DataStore& store, const NamingRequest& request, base::RandomSource& random);

} // namespace korvani::naming
