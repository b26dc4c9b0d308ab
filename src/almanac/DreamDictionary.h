#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "almanac/DreamScramble.h"
#include "data/Dream.h"

// The dream dictionary: categories with the titles of their entries (the things dreamt of), the
// interpretation of a title, and a search over titles and texts.
namespace korvani::almanac {

struct DreamCategoryNode {
    std::string name;                // ZMCLASS, trimmed
    std::vector<std::string> titles; // TITLE of the category's entries, trimmed, in stored order
};

// The whole tree, built afresh at each call: categories in ascending order of their key, each with
// its titles. A category without entries has no titles.
std::vector<DreamCategoryNode> DreamTree(const data::Dream& dream);

// The memo of a title: nothing when no entry bears it, else one line, four blanks and the text of the
// first entry that bears it. Bad digit pairs of the stored text signal and are skipped.
std::vector<std::string> DreamMemoLines(const data::Dream& dream, std::string_view title,
                                        const BadPairSignal& onBadPair = {});

// The words of a search text: split at blanks, tabs and the ideographic space.
std::vector<std::string> SearchWords(std::string_view text);

// A search over the titles of the tree and the texts they show. The texts are read and unscrambled
// once, at the first search, and then kept in memory; the data file never changes while it is open.
class DreamSearch {
public:
    explicit DreamSearch(const data::Dream& dream) : m_dream(dream) {}

    // The titles that hold every word, then the titles whose title and text together hold every word,
    // each group in tree order; a title under two categories comes twice. No words find nothing.
    // Latin letters match in either case.
    std::vector<std::string> Search(std::string_view text);

    bool Loaded() const { return m_loaded; }

private:
    struct Entry {
        std::string title;  // as the tree shows it
        std::string folded; // title, a line break and text, Latin letters in lower case
        std::size_t titleLength;
    };
    void Load();

    data::Dream m_dream;
    bool m_loaded = false;
    std::vector<Entry> m_entries;
};

} // namespace korvani::almanac
