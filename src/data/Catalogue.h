#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/DateValue.h"
#include "data/DataStore.h"

namespace korvani::data {

// One day of the almanac (`huangdao`), its texts trimmed.
struct AlmanacRow {
    std::string gn; // the day, yyyy-mm-dd
    std::string nn;
    std::string suici;
    std::string tszf;
    std::string wuhang;
    std::string cong;
    std::string pzbj;
    std::string jsyq;
    std::string yi;
    std::string xsyq;
    std::string ji;
};

struct DreamCategory {
    std::string key;  // ZMID
    std::string name; // ZMCLASS
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

// Every query the program runs on the data files, with the key always bound as a parameter.
// Texts come back trimmed; a key without a row gives nullopt or the empty text.
//
// Each lookup keeps the failure rule of its callers:
//  - the page lookups (word, namefx, huangdao, the dream tables) let a DataFileError end the command;
//  - the chart lookups (element, ten god, nayin, term moment) swallow any failure and answer empty;
//  - the phone reading swallows a failure and shows nothing;
//  - the bone-weight lookups end the whole report command silently (CommandAbandoned).
class Catalogue {
public:
    explicit Catalogue(DataStore& store) : m_store(store) {}

    DataStore& Store() { return m_store; }

    // `word`: stroke count and traditional form of one character (the key as given, untrimmed).
    std::optional<int> WordStrokes(std::string_view zi);
    std::optional<std::string> WordTraditional(std::string_view zi);

    // `namefx`: the meaning text of a number written in decimal.
    std::optional<std::string> NumberMeaning(std::string_view number);

    // `huangdao`: the almanac row of a day.
    std::optional<AlmanacRow> AlmanacDay(const base::CivilDate& day);

    // `Tclass` in key order, `JMTable` titles of a category and the stored (scrambled) text of a title.
    std::vector<DreamCategory> DreamCategories();
    std::vector<std::string> DreamTitles(std::string_view categoryKey);
    std::optional<std::string> DreamText(std::string_view title);

    // `shouji`: the reading of a phone-number key; nullopt also when the file cannot be read.
    std::optional<PhoneReading> PhoneReadingOf(std::string_view key);

    // `chenggu1`..`chenggu4` and `chenggu`. Any failure throws CommandAbandoned.
    std::optional<double> BoneWeight(BoneWeightTable table, std::string_view key);
    std::optional<BoneWeightVerse> BoneWeightVerseOf(std::string_view total);

    // `hzwh`: element of the first row, in stored order, whose characters contain the (trimmed)
    // character. The character matches literally: a "%" or "_" in it is no wildcard. The empty
    // text matches every row. Any failure gives the empty text.
    std::string ElementOf(std::string_view character);

    // `Shishen` and `jiazi`: ten god of a stem pair, nayin of a pillar. Any failure gives "".
    std::string TenGod(std::string_view stemPair);
    std::string Nayin(std::string_view pillar);

    // `JQ`: the moment of the section term (the twelve 节 that open the months) that falls on
    // `day` of `year`, if any. Any failure gives nullopt.
    std::optional<base::DateValue> SectionTermMomentOn(int year, const base::CivilDate& day);

private:
    // First column of the first row of a one-key query, trimmed.
    std::optional<std::string> FirstText(DataFileId file, std::string_view sql, std::string_view key);

    DataStore& m_store;
};

} // namespace korvani::data
