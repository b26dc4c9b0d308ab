#include "DreamTexts.h"

#include "SplitTabs.h"

#include <cctype>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "almanac/DreamScramble.h"
#include "base/Gbk.h"
#include "base/Text.h"
#include "base/Utf8.h"

namespace fs = std::filesystem;

namespace korvani::refdata {

namespace {

struct Row {
    int line;
    std::vector<std::string> fields;
};

std::string Where(const fs::path& path, int line) {
    return path.filename().string() + ":" + std::to_string(line) + ": ";
}

// The rows of a two-column source file under its header.
std::vector<Row> ReadSource(const fs::path& path, const std::string& header) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw DreamTextError(path.filename().string() + ": cannot be read");
    std::string line;
    if (!std::getline(in, line) || line != header)
        throw DreamTextError(Where(path, 1) + "the header must be \"" + header + "\" (fields separated by TAB)");
    std::vector<Row> rows;
    int number = 1;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            throw DreamTextError(Where(path, number) + "CR line end");
        if (!base::IsValidUtf8(line))
            throw DreamTextError(Where(path, number) + "not UTF-8");
        std::vector<std::string> fields = SplitTabs(line);
        if (fields.size() != 2)
            throw DreamTextError(Where(path, number) + std::to_string(fields.size()) + " fields, expected 2");
        rows.push_back({number, std::move(fields)});
    }
    return rows;
}

// A key, name or title: not empty, no blanks at the ends (the program trims what it shows and looks
// up by the trimmed text), every character in GBK.
void CheckName(const fs::path& path, int line, const char* what, const std::string& value) {
    if (value.empty())
        throw DreamTextError(Where(path, line) + "empty " + what);
    if (base::Trim(value) != value)
        throw DreamTextError(Where(path, line) + what + " \"" + value + "\" has blanks at its ends");
    if (base::FirstNonGbkCharacter(value))
        throw DreamTextError(Where(path, line) + what + " \"" + value + "\" holds a character GBK cannot hold");
}

// A category key names its file: letters, digits, "-" and "_" only.
bool IsFileKey(const std::string& key) {
    for (char c : key)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_')
            return false;
    return true;
}

void WriteAtomically(const fs::path& path, const std::string& content) {
    const fs::path temporary = path.string() + ".building";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << content;
        if (!out.flush())
            throw DreamTextError(temporary.string() + ": cannot be written");
    }
    fs::rename(temporary, path);
}

} // namespace

DreamSources ReadDreamSources(const fs::path& folder) {
    DreamSources sources;
    const fs::path list = folder / "categories.tsv";
    std::set<std::string> keys;
    for (const Row& row : ReadSource(list, "ZMID\tZMCLASS")) {
        const std::string& key = row.fields[0];
        CheckName(list, row.line, "category key", key);
        if (!IsFileKey(key))
            throw DreamTextError(Where(list, row.line) + "category key \"" + key +
                                 "\" may hold only letters, digits, - and _");
        CheckName(list, row.line, "category name", row.fields[1]);
        if (!keys.insert(key).second)
            throw DreamTextError(Where(list, row.line) + "category key \"" + key + "\" used twice");
        sources.categories.push_back({key, row.fields[1]});
    }

    std::map<std::string, std::string> titleAt; // title → where it first stands
    for (const DreamSourceCategory& category : sources.categories) {
        const fs::path file = folder / (category.key + ".tsv");
        if (!fs::exists(file))
            throw DreamTextError(Where(list, 1) + "category " + category.key + " " + category.name + " has no file " +
                                 file.filename().string());
        for (Row& row : ReadSource(file, "title\ttext")) {
            const std::string& title = row.fields[0];
            const std::string& text = row.fields[1];
            CheckName(file, row.line, "title", title);
            if (text.empty())
                throw DreamTextError(Where(file, row.line) + "empty text");
            if (const auto bad = base::FirstNonGbkCharacter(text)) {
                std::string character;
                base::AppendUtf8(character, *bad);
                throw DreamTextError(Where(file, row.line) + "the text holds \"" + character +
                                     "\", which GBK cannot hold");
            }
            const std::string here = file.filename().string() + ":" + std::to_string(row.line);
            const auto [first, isNew] = titleAt.emplace(title, here);
            if (!isNew)
                throw DreamTextError(here + ": title \"" + title + "\" is already used at " + first->second);
            sources.entries.push_back({category.key, title, std::move(row.fields[1])});
        }
    }

    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const fs::path& path = entry.path();
        if (path.extension() == ".tsv" && path.filename() != "categories.tsv" && !keys.count(path.stem().string()))
            throw DreamTextError(path.filename().string() + ": no category of key " + path.stem().string() +
                                 " in categories.tsv");
    }
    return sources;
}

void WriteDreamTables(const DreamSources& sources, const fs::path& outDir) {
    fs::create_directories(outDir);
    std::ostringstream classes;
    classes << "ZMID\tZMCLASS\n";
    for (const DreamSourceCategory& category : sources.categories)
        classes << category.key << '\t' << category.name << '\n';
    std::ostringstream entries;
    entries << "CLASEID\tTITLE\tCONENT\n";
    for (const DreamSourceEntry& entry : sources.entries)
        entries << entry.categoryKey << '\t' << entry.title << '\t'
                << almanac::ScrambleText(entry.text, almanac::DreamTextKey, almanac::kDreamTextRounds) << '\n';
    WriteAtomically(outDir / "Tclass.tsv", classes.str());
    WriteAtomically(outDir / "JMTable.tsv", entries.str());
}

} // namespace korvani::refdata
