#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

// The dream dictionary's readable sources and the two tables of dream.dll made from them.
//
// Sources, in one folder: categories.tsv (columns ZMID, ZMCLASS) lists the categories in key order;
// <ZMID>.tsv (columns title, text) holds the entries of each category in the order the tree shows
// them. Tables: Tclass (ZMID, ZMCLASS) and JMTable (CLASEID, TITLE, CONENT), CONENT the stored
// form of the text (GBK bytes scrambled with the dream text key, as hexadecimal pairs).
namespace korvani::refdata {

// A fault of the sources, its message starting with the file and line.
struct DreamTextError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct DreamSourceCategory {
    std::string key;  // ZMID, also the name of its file
    std::string name; // ZMCLASS
};

struct DreamSourceEntry {
    std::string categoryKey;
    std::string title;
    std::string text; // readable
};

struct DreamSources {
    std::vector<DreamSourceCategory> categories;
    std::vector<DreamSourceEntry> entries; // category by category, each in file order
};

// Reads and checks the sources. Refused, naming file and line: a header other than the expected
// one, a wrong number of fields, a line that is not UTF-8 or ends in CR, an empty value, blanks at
// either end of a key, name or title, a character GBK cannot hold, a key used twice, a title used
// twice (the text is looked up by its title), a listed category without its file, and a file of
// the folder that belongs to no listed category. A category file may hold no entries.
DreamSources ReadDreamSources(const std::filesystem::path& folder);

// Writes Tclass.tsv and JMTable.tsv into `outDir` (created if needed), each under a temporary name
// first, so that a failed run leaves no half-written table.
void WriteDreamTables(const DreamSources& sources, const std::filesystem::path& outDir);

} // namespace korvani::refdata
