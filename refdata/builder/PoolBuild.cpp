// Builds the derived tables of Zelmar.dll from the character table and the reviewed pools:
//
//   korvani-poolbuild WORD.tsv POOL.tsv OUTDIR MZGRADES.tsv BODIES.tsv
//
// CYZI.tsv: every character of the reviewed business-name pool (zi, role, element, gloss) with its
//           strokes, traditional form and element from `word`; the pool's reviewed element must be
//           the one `word` holds, so the two lists cannot drift apart.
// MZ.tsv:   every reviewed name word (zi, grade, place) with its elements, traditional forms and
//           strokes from `word`, its grade and place, and its score (PoolRules.h).
// SZ.tsv:   every two-character body graded A or B in the reviewed grades (body, grade, reason): a
//           head character of the pool and one of its trade endings. Every such pair whose stroke
//           pattern is listed must be rated, so that a change to the pool cannot bring unread
//           bodies into the two-character run.
// gz.tsv:   every listed stroke pattern of two, three and four characters over the stroke counts
//           1..M, M the largest count of a pool character (at least 36), with its score.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "PoolRules.h"
#include "SplitTabs.h"
#include "base/Utf8.h"

namespace fs = std::filesystem;
using namespace korvani::refdata;

namespace {

struct Character {
    int bh = 0;
    std::string ft;
    std::string wuhang;
};

struct BuildError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::vector<std::vector<std::string>> ReadTsv(const fs::path& path, std::size_t columns) {
    std::ifstream in(path);
    if (!in)
        throw BuildError(path.string() + ": cannot be read");
    std::vector<std::vector<std::string>> rows;
    std::string line;
    std::getline(in, line); // header
    int lineNumber = 1;
    while (std::getline(in, line)) {
        ++lineNumber;
        const std::vector<std::string> fields = SplitTabs(line);
        if (fields.size() != columns)
            throw BuildError(path.string() + ":" + std::to_string(lineNumber) + ": expected " +
                             std::to_string(columns) + " fields");
        rows.push_back(std::move(fields));
    }
    return rows;
}

constexpr int kMinimumPatternStrokes = 36;

} // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::cerr << "usage: korvani-poolbuild WORD.tsv POOL.tsv OUTDIR MZGRADES.tsv BODIES.tsv\n";
        return 2;
    }
    try {
        std::map<std::string, Character> word;
        for (auto& row : ReadTsv(argv[1], 5))
            word[row[0]] = {std::stoi(row[1]), row[2], row[3]};

        const fs::path out = argv[3];
        fs::create_directories(out);

        // The pool characters, in the order of the reviewed list; ID is the position in it.
        std::set<std::string> pool;
        std::vector<std::string> heads, endings; // in pool order
        int maxStrokes = kMinimumPatternStrokes;
        {
            std::ofstream cyzi(out / "CYZI.tsv");
            cyzi << "ID\tzi\twuhang\tft\tbh\trole\tgloss\tending\n";
            int id = 0;
            for (auto& row : ReadTsv(argv[2], 5)) {
                const std::string& zi = row[0];
                const auto it = word.find(zi);
                if (it == word.end())
                    throw BuildError(std::string(argv[2]) + ": " + zi + " is not in the character table");
                if (!pool.insert(zi).second)
                    throw BuildError(std::string(argv[2]) + ": " + zi + " is listed twice");
                if (row[1] != "first" && row[1] != "last" && row[1] != "either")
                    throw BuildError(std::string(argv[2]) + ": " + zi + " has no role first, last or either");
                const Character& c = it->second;
                if (row[2] != c.wuhang)
                    throw BuildError(std::string(argv[2]) + ": " + zi + " is " + row[2] + " in the pool but " +
                                     c.wuhang + " in the character table (word_element_exceptions.tsv)");
                if (row[3].empty())
                    throw BuildError(std::string(argv[2]) + ": " + zi + " has no gloss");
                if (row[4] != "0" && row[4] != "1")
                    throw BuildError(std::string(argv[2]) + ": " + zi + ": ending is 0 or 1");
                cyzi << ++id << '\t' << zi << '\t' << c.wuhang << '\t' << c.ft << '\t' << c.bh << '\t' << row[1] << '\t'
                     << row[3] << '\t' << row[4] << '\n';
                maxStrokes = std::max(maxStrokes, c.bh);
                if (row[1] != "last")
                    heads.push_back(zi);
                if (row[4] == "1")
                    endings.push_back(zi);
            }
        }

        // The reviewed name words: grade A words stand as a name; their place says whether they
        // open (head) or close (tail) a four-character name, or both.
        {
            std::ofstream mz(out / "MZ.tsv");
            mz << "ID\tzi\twuhang\tft\tbh\tbh1\tbh2\tfs\tgrade\tplace\n";
            std::set<std::string> seen;
            int id = 0;
            int gradeA = 0;
            for (auto& row : ReadTsv(argv[4], 3)) {
                const std::string& zi = row[0];
                const auto characters = korvani::base::SplitCharacters(zi);
                const bool a = row[1] == "A";
                if (characters.size() != 2 || (!a && row[1] != "B"))
                    throw BuildError(std::string(argv[4]) + ": bad word row " + zi);
                if (a != (row[2] == "head" || row[2] == "tail" || row[2] == "both") || (!a && !row[2].empty()))
                    throw BuildError(std::string(argv[4]) + ": " + zi + ": a grade A word has a place, a B word none");
                if (!seen.insert(zi).second)
                    throw BuildError(std::string(argv[4]) + ": " + zi + " is listed twice");
                const auto first = word.find(characters[0]);
                const auto second = word.find(characters[1]);
                if (first == word.end() || second == word.end())
                    throw BuildError(std::string(argv[4]) + ": " + zi + " has a character outside the table");
                const Character& x = first->second;
                const Character& y = second->second;
                gradeA += a;
                mz << ++id << '\t' << zi << '\t' << x.wuhang << y.wuhang << '\t' << x.ft << y.ft << '\t' << x.bh + y.bh
                   << '\t' << x.bh << '\t' << y.bh << '\t' << WordScore(x.bh, y.bh, a ? WordGrade::A : WordGrade::B)
                   << '\t' << row[1] << '\t' << row[2] << '\n';
                maxStrokes = std::max({maxStrokes, x.bh, y.bh});
            }
            std::cerr << "korvani-poolbuild: " << pool.size() << " pool characters, " << seen.size() << " name words ("
                      << gradeA << " of grade A)\n";
        }

        // The two-character bodies, rated whole: a head character and a trade ending. Grade A: a
        // reader took it as a shop or company name; B: nothing wrong with it, but the reader found the
        // pairing loose; C: it reads as a given name, a place, a known brand, a plain word, an
        // unfortunate sound or a showy or greedy name, and is never proposed.
        {
            const std::string source = argv[5];
            std::set<std::string> headSet(heads.begin(), heads.end()), endingSet(endings.begin(), endings.end());
            std::set<std::string> rated;
            std::ofstream sz(out / "SZ.tsv");
            sz << "ID\tzi\twuhang\tft\tbh\tbh1\tbh2\tgrade\n";
            int id = 0;
            for (auto& row : ReadTsv(source, 3)) {
                const std::string& zi = row[0];
                const auto characters = korvani::base::SplitCharacters(zi);
                if (characters.size() != 2 || !headSet.count(characters[0]) || !endingSet.count(characters[1]))
                    throw BuildError(source + ": " + zi + " is not a head character of the pool and a trade ending");
                if (row[1] != "A" && row[1] != "B" && row[1] != "C")
                    throw BuildError(source + ": " + zi + ": the grade is A, B or C");
                if (row[1] != "A" && row[2].empty())
                    throw BuildError(source + ": " + zi + " is graded " + row[1] + " without a reason");
                if (!rated.insert(zi).second)
                    throw BuildError(source + ": " + zi + " is listed twice");
                if (row[1] == "C")
                    continue;
                const Character& x = word.at(characters[0]);
                const Character& y = word.at(characters[1]);
                sz << ++id << '\t' << zi << '\t' << x.wuhang << y.wuhang << '\t' << x.ft << y.ft << '\t' << x.bh + y.bh
                   << '\t' << x.bh << '\t' << y.bh << '\t' << row[1] << '\n';
            }
            std::vector<std::string> unrated;
            for (const std::string& head : heads)
                for (const std::string& ending : endings)
                    if (head != ending && IsListedPattern({word.at(head).bh, word.at(ending).bh}) &&
                        !rated.count(head + ending))
                        unrated.push_back(head + ending);
            if (!unrated.empty()) {
                std::string sample;
                for (std::size_t i = 0; i < unrated.size() && i < 20; ++i)
                    sample += " " + unrated[i];
                throw BuildError(source + ": " + std::to_string(unrated.size()) +
                                 " bodies of the pool are not rated:" + sample);
            }
            std::cerr << "korvani-poolbuild: " << id << " of " << rated.size()
                      << " two-character bodies graded A or B\n";
        }

        // The listed stroke patterns; columns past the name length hold 0.
        {
            std::ofstream gz(out / "gz.tsv");
            gz << "lx\tbh11\tbh12\tbh21\tbh22\tzf\n";
            const int m = maxStrokes;
            std::vector<int> p;
            for (int a = 1; a <= m; ++a)
                for (int b = 1; b <= m; ++b)
                    if (p = {a, b}; IsListedPattern(p))
                        gz << "2\t" << a << '\t' << b << "\t0\t0\t" << PatternScore(p) << '\n';
            for (int a = 1; a <= m; ++a)
                for (int b = 1; b <= m; ++b)
                    for (int c = 1; c <= m; ++c)
                        if (p = {a, b, c}; IsListedPattern(p))
                            gz << "3\t" << a << '\t' << b << '\t' << c << "\t0\t" << PatternScore(p) << '\n';
            for (int a = 1; a <= m; ++a)
                for (int b = 1; b <= m; ++b)
                    for (int c = 1; c <= m; ++c)
                        for (int d = 1; d <= m; ++d)
                            if (p = {a, b, c, d}; IsListedPattern(p))
                                gz << "4\t" << a << '\t' << b << '\t' << c << '\t' << d << '\t' << PatternScore(p)
                                   << '\n';
        }
    } catch (const std::exception& e) {
        std::cerr << "korvani-poolbuild: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
