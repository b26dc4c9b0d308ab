// Builds the derived tables of Zelmar.dll from the character table and the reviewed pools:
//
//   korvani-poolbuild WORD.tsv CYZI.txt OUTDIR MZWORDS.tsv...
//
// CYZI.tsv: every pool character with its strokes, traditional form and element from `word`.
// MZ.tsv:   every reviewed name word whose two characters are both in the pool, with its strokes and
//           its score (PoolRules.h).
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
        std::vector<std::string> fields;
        std::stringstream fieldsIn(line);
        std::string field;
        while (std::getline(fieldsIn, field, '\t'))
            fields.push_back(field);
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
    if (argc < 4) {
        std::cerr << "usage: korvani-poolbuild WORD.tsv CYZI.txt OUTDIR [MZWORDS.tsv ...]\n";
        return 2;
    }
    try {
        std::map<std::string, Character> word;
        for (auto& row : ReadTsv(argv[1], 4))
            word[row[0]] = {std::stoi(row[1]), row[2], row[3]};

        const fs::path out = argv[3];
        fs::create_directories(out);

        // The pool characters, in the order of the reviewed list; ID is the position in it.
        std::set<std::string> pool;
        int maxStrokes = kMinimumPatternStrokes;
        {
            std::ifstream in(argv[2]);
            if (!in)
                throw BuildError(std::string(argv[2]) + ": cannot be read");
            std::ofstream cyzi(out / "CYZI.tsv");
            cyzi << "ID\tzi\twuhang\tft\tbh\n";
            std::string zi;
            int id = 0;
            while (std::getline(in, zi)) {
                if (zi.empty())
                    continue;
                const auto it = word.find(zi);
                if (it == word.end())
                    throw BuildError(std::string(argv[2]) + ": " + zi + " is not in the character table");
                if (!pool.insert(zi).second)
                    throw BuildError(std::string(argv[2]) + ": " + zi + " is listed twice");
                const Character& c = it->second;
                cyzi << ++id << '\t' << zi << '\t' << c.wuhang << '\t' << c.ft << '\t' << c.bh << '\n';
                maxStrokes = std::max(maxStrokes, c.bh);
            }
        }

        // The name words made of pool characters.
        {
            std::vector<std::pair<std::string, WordGrade>> words;
            std::set<std::string> seen;
            int dropped = 0;
            for (int i = 4; i < argc; ++i) {
                for (auto& row : ReadTsv(argv[i], 2)) {
                    const auto characters = korvani::base::SplitCharacters(row[0]);
                    if (characters.size() != 2 || (row[1] != "A" && row[1] != "B"))
                        throw BuildError(std::string(argv[i]) + ": bad word row " + row[0]);
                    if (!pool.count(characters[0]) || !pool.count(characters[1])) {
                        ++dropped;
                        continue;
                    }
                    if (seen.insert(row[0]).second)
                        words.emplace_back(row[0], row[1] == "A" ? WordGrade::A : WordGrade::B);
                }
            }
            std::ofstream mz(out / "MZ.tsv");
            mz << "ID\tzi\twuhang\tft\tbh\tbh1\tbh2\tfs\n";
            int id = 0;
            for (const auto& [zi, grade] : words) {
                const auto characters = korvani::base::SplitCharacters(zi);
                const Character& a = word.at(characters[0]);
                const Character& b = word.at(characters[1]);
                mz << ++id << '\t' << zi << '\t' << a.wuhang << b.wuhang << '\t' << a.ft << b.ft << '\t' << a.bh + b.bh
                   << '\t' << a.bh << '\t' << b.bh << '\t' << WordScore(a.bh, b.bh, grade) << '\n';
            }
            std::cerr << "korvani-poolbuild: " << pool.size() << " pool characters, " << words.size() << " name words ("
                      << dropped << " left out: a character not in the pool)\n";
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
