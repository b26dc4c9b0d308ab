#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "chart/BirthInput.h"
#include "naming/CandidatePage.h"
#include "naming/ScoreExplanation.h"

namespace korvani::naming {

// A candidate the user keeps (收藏): the grid row as it was shown, the name's parts, the explained
// score and the birth data it was scored for, so that names of several runs, and of several
// representatives, can stand side by side.
struct ShortlistEntry {
    std::string name;        // 企业名称
    std::string traditional; // 企业繁体字
    int total = 0;           // 总体笔画
    std::string body;        // 单位主体
    std::string elements;    // 主体五行
    int bodyStrokes = 0;     // 主体笔画
    int suffixStrokes = 0;   // 行业笔画
    int score = 0;           // 总体评分
    std::string explanation; // 评分说明
    std::string prefix;
    std::string suffix;
    std::string missing;     // the elements the representative's chart lacks (喜用神: the favourable ones)
    bool favourable = false; // scored by a 喜用神 run: `missing` holds its 用神 and 喜神
    chart::BirthInput birth;
    std::string added; // when it was kept, "yyyy-MM-dd hh:mm"
};

// A grid row of a run as a shortlist entry. `prefix` and `suffix` are the affixes the page was drawn
// with; the birth is the run's; `added` the moment of keeping it.
ShortlistEntry EntryFromRow(const GridRow& row, std::string prefix, std::string suffix,
                            const ScoreExplanation& explanation, const chart::BirthInput& birth, std::string added);

// The birth data in one line: "张明 男 公历 1985年6月15日 巳 9时30分".
std::string BirthText(const chart::BirthInput& birth);

// The kept names, in the order the user gave them.
class Shortlist {
public:
    Shortlist() = default;
    explicit Shortlist(std::vector<ShortlistEntry> entries) : m_entries(std::move(entries)) {}

    const std::vector<ShortlistEntry>& Entries() const { return m_entries; }
    bool Empty() const { return m_entries.empty(); }
    std::size_t Size() const { return m_entries.size(); }

    // Keeps a name at the end; false (and nothing changes) when the same name for the same birth is
    // kept already.
    bool Add(ShortlistEntry entry);
    // Removes the entries at these positions (any order; positions out of range are passed over).
    void Remove(std::vector<std::size_t> positions);
    void Clear() { m_entries.clear(); }
    // Best score first; equal scores keep their order.
    void SortByScore();

private:
    std::vector<ShortlistEntry> m_entries;
};

// What reading the shortlist file gave: the list, and a message for the user when the file could
// not be read and was set aside (`setAside`: where it now is).
struct ShortlistLoad {
    Shortlist list;
    std::optional<std::string> message;
    std::optional<std::filesystem::path> setAside;
    // False when an unreadable file could not be set aside: writing the list would replace it.
    bool canSave = true;
};

// The file's name in the user's data folder.
inline constexpr const char* kShortlistFileName = "shortlist.json";

// Reads the shortlist file. A missing file is an empty list. A file that is no shortlist (damaged,
// cut short, of another format) is renamed beside itself to "<name>.damaged-<yyyyMMdd-hhmmss>" and
// the list starts empty, with a message that names both files; nothing is lost.
ShortlistLoad LoadShortlist(const std::filesystem::path& file);

// Writes the list as the file, creating its folder: a temporary file in the same folder first, then
// renamed over the old one, so that a failure midway leaves the old file whole. Throws KorvaniError
// with a Chinese message that names the file when it cannot be written.
void SaveShortlist(const std::filesystem::path& file, const Shortlist& list);

// The list as the file's text (UTF-8 JSON) and back; ParseShortlist throws KorvaniError for a text
// that is no shortlist.
std::string ShortlistJson(const Shortlist& list);
Shortlist ParseShortlist(const std::string& text);

} // namespace korvani::naming
