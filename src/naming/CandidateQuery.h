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
enum class SourceKind {
    Fixed,      // the fixed character's row of `word`
    Characters, // pool characters of a role, all of them or a random sample
    Words,      // grade A name words of a place (head or tail), a random sample; fills two positions
    Partner,    // the characters that make a grade A word with a fixed neighbour, else pool characters
    Bodies,     // two-character bodies rated whole (a head character and a trade ending); fills two positions
};

// Where in the body a pool character sits well (CYZI.role); End: the traditional trade endings
// that close a shop name (CYZI.ending: 达 昌 隆 祥 源 ...).
enum class Role { Any, First, Last, End };

// Which half of a four-character body a name word fills (MZ.place).
enum class Place { Head, Tail };

struct Source {
    SourceKind kind = SourceKind::Fixed;
    int sample = 0;        // Characters, Words, Partner's fallback: the sample size; 0 takes all
    Role role = Role::Any; // Characters, Partner's fallback
    Place place = Place::Head;
    int partnerOf = 0; // Partner: the 0-based position of the fixed neighbour it pairs with
};

// Which graded two-character bodies a body source draws: those a reader took as a shop name
// (grade A), or those and the sound but looser pairings (grade B) as well.
enum class BodyGrades { Chosen, All };

struct CandidateTemplate {
    int length;
    std::array<bool, 4> fixed;
    std::vector<Source> sources; // one per position; a word or body source stands for two
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

// Whether a position of the template draws graded two-character bodies.
bool DrawsBodies(const CandidateTemplate& t);

// Runs the template: the fixed characters by position (unused positions ignored), the elements that
// every candidate must contain (up to five, in the order 金木水火土), samples drawn from `random`,
// the elements that no candidate may contain (up to five), and the grades of bodies a body source
// takes.
std::vector<CandidateRow> RunTemplate(data::DataStore& store, const CandidateTemplate& t,
                                      const std::array<std::string, 4>& fixedCharacters,
                                      const std::vector<std::string>& requiredElements, base::RandomSource& random,
                                      const std::vector<std::string>& avoidedElements = {},
                                      BodyGrades grades = BodyGrades::Chosen);

} // namespace korvani::naming
