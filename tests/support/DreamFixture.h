#pragma once

#include <filesystem>
#include <sqlite3.h>
#include <stdexcept>
#include <string>

#include "almanac/DreamScramble.h"
#include "data/DataFileSeal.h"

namespace korvani::testing {

// The stored form of a text under the program's key.
inline std::string Stored(const std::string& text) {
    return almanac::ScrambleText(text, almanac::DreamTextKey, almanac::kDreamTextRounds);
}

// Adds the dictionary's odd cases to a copy of dream.dll:
// - category 96 "  夜空  " (name with blanks) without entries, whose name no title bears;
// - category 97 "特殊条目": 梦见'引号' (a quote in the title), 梦见奇数 (a stored text of odd length),
//   梦见坏对 (two pairs that are no hexadecimal numbers), 梦见一字节 (a stored text of one byte "41"),
//   梦见ABC字母 (Latin letters in the title);
// - category 98 "梦见扫帚星" without entries, whose name an entry of a category missing from the tree
//   bears (CLASEID zz), so that clicking it finds a text.
inline void AddDreamOddCases(const std::filesystem::path& dreamFile) {
    sqlite3* db = nullptr;
    if (sqlite3_open(dreamFile.string().c_str(), &db) != SQLITE_OK)
        throw std::runtime_error("cannot open " + dreamFile.string());
    const std::string goodPairs = almanac::BytesToHex(
        almanac::ScrambleBytes("AB", almanac::DreamTextKey, almanac::kDreamTextRounds)); // four digits
    const std::string rows[][3] = {
        {"97", "梦见'引号'", Stored("带引号的标题也能查到。")},
        {"97", "梦见奇数", Stored("奇数长度") + "7"},
        {"97", "梦见坏对", "ZZ" + goodPairs.substr(0, 2) + "G1" + goodPairs.substr(2)},
        {"97", "梦见一字节", "41"},
        {"97", "梦见ABC字母", Stored("字母标题的解说。")},
        {"zz", "梦见扫帚星", Stored("只在测试里出现的条目：扫帚星划过夜空。")},
    };
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "insert into JMTable (CLASEID, TITLE, CONENT) values (?, ?, ?)", -1, &insert, nullptr);
    for (const auto& row : rows) {
        for (int i = 0; i < 3; ++i)
            sqlite3_bind_text(insert, i + 1, row[i].c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(
        db, "insert into Tclass (ZMID, ZMCLASS) values ('96', '  夜空  '), ('97', '特殊条目'), ('98', '梦见扫帚星')",
        nullptr, nullptr, nullptr);
    sqlite3_close(db);
    // Sealed again, as the builder seals the files it writes, so that the store reads the copy.
    data::SealDataFile(dreamFile.string());
}

} // namespace korvani::testing
