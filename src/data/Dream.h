#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/Repository.h"

namespace korvani::data {

struct DreamCategory {
    std::string key;  // ZMID
    std::string name; // ZMCLASS
};

// A row of `JMTable` as stored: category key, title and scrambled text, nothing trimmed.
struct DreamRow {
    std::string categoryKey; // CLASEID
    std::string title;       // TITLE
    std::string text;        // CONENT
};

struct PhoneReading {
    std::string title;
    std::string jx;
    std::string content;
};

// The bone-weight tables keyed by year, month, day and hour.
enum class BoneWeightTable { Year, Month, Day, Hour };

struct BoneWeightVerse {
    std::string content;  // the verse
    std::string content2; // its explanation
};

// dream.dll: the dream dictionary (`Tclass`, `JMTable`), the telephone readings (`shouji`) and
// the bone-weight fortune (`chenggu`, `chenggu1` .. `chenggu4`).
class Dream : public Repository {
public:
    explicit Dream(DataStore& store) : Repository(store, DataFileId::Dream) {}

    // `Tclass` in key order, `JMTable` titles of a category and the stored (scrambled) text of a title.
    std::vector<DreamCategory> DreamCategories() const;
    std::vector<std::string> DreamTitles(std::string_view categoryKey) const;
    std::optional<std::string> DreamText(std::string_view title) const;
    // Every row of `JMTable` in stored order, for the dictionary's search.
    std::vector<DreamRow> DreamRows() const;

    // `shouji`: the reading of a telephone-number key.
    std::optional<PhoneReading> PhoneReadingOf(std::string_view key) const;

    // `chenggu1` .. `chenggu4`: the weight of a year, month, day or hour key; `chenggu`: the verse
    // of a total weight.
    std::optional<double> BoneWeight(BoneWeightTable table, std::string_view key) const;
    std::optional<BoneWeightVerse> BoneWeightVerseOf(std::string_view total) const;
};

} // namespace korvani::data
