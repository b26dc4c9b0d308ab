#pragma once

#include <string_view>
#include <vector>

// The rules by which the data builder scores stroke patterns (`gz`) and name words (`MZ`) from the
// verdicts of the 81 numbers. Documented in refdata/README.md; the tests check the built tables
// against them.
namespace korvani::refdata {

// Weight of a verdict: 吉 1, 吉带凶 0.7, 凶带吉 0.5, 凶 0.
double VerdictWeight(std::string_view verdict);

// Weight of a number: the weight of the verdict of its remainder modulo 81.
double NumberWeight(int number);

// Score of a stroke pattern, 0 to 100: 60 for the luck of the total, 40 for the mean luck of the
// characters' own numbers: round(100 × (0.6 w(total) + 0.4 mean w(strokes))).
int PatternScore(const std::vector<int>& strokes);

// A pattern is listed when its total is lucky (吉 or 吉带凶); a four-character pattern, two words of
// two characters, also needs the total of each word to be lucky. The characters' own numbers only
// weigh in the score, so that any character a user fixes still finds partners.
bool IsListedPattern(const std::vector<int>& strokes);

// Grades of the reviewed name words: A auspicious, B ordinary.
enum class WordGrade { A, B };

// Score of a two-character name word, 0 to 100:
// round(55 w(total) + 15 mean(w(bh1), w(bh2)) + 30 g), g = 1 for grade A and 0.6 for grade B.
// So a word scores above 89 only when it is of grade A and its total is 吉.
int WordScore(int bh1, int bh2, WordGrade grade);

} // namespace korvani::refdata
