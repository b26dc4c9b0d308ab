#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/RandomSource.h"
#include "data/DataStore.h"

// The candidate query of a naming run: one statement per template over the character pools of
// Zelmar.dll, chosen by the name length and the fixed positions.
namespace korvani::naming {

// One candidate main body: its characters, their elements and traditional forms joined in position
// order, their stroke total, and the score of its stroke pattern.
struct CandidateRow {
    std::string zi;
    std::string wuhang;
    std::string ft;
    int bh = 0;
    int fs = 0;
};

// Where a position's characters come from.
enum class Source {
    Fixed,    // the fixed character's row of `word`
    Pool,     // the whole pool CYZI
    Sample50, // 50 pool characters in random order
    Sample200,
    Sample230,
    Sample300,
    Sample1000,
    Words300, // 300 name words of MZ scoring above 89, in random order; one word fills two positions
};

struct CandidateTemplate {
    int length;
    std::array<bool, 4> fixed;
    std::vector<Source> sources; // one per position; a word source stands for two
    int rowLimit;                // 0: no limit
};

// The template of a name length (2, 3 or 4) and its fixed positions; nullopt when every position is
// fixed (no template exists then).
std::optional<CandidateTemplate> TemplateFor(int length, const std::array<bool, 4>& fixed);

// Every template, 25 in all.
const std::vector<CandidateTemplate>& AllTemplates();

// The statement of a template: the fixed characters, the samples' seeds and the required elements
// are its parameters, never part of its text.
std::string TemplateSql(const CandidateTemplate& t);

// Runs the template: the fixed characters by position (unused positions ignored), the elements that
// every candidate must contain (up to five, in the order 金木水火土), samples drawn from `random`.
std::vector<CandidateRow> RunTemplate(data::DataStore& store, const CandidateTemplate& t,
                                      const std::array<std::string, 4>& fixedCharacters,
                                      const std::vector<std::string>& requiredElements, base::RandomSource& random);

} // namespace korvani::naming
