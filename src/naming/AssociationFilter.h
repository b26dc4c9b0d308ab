#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "data/DataStore.h"

namespace korvani::naming {

// The check of a name's associations: a reviewed list of characters, character pairs and toneless
// readings that give a company, shop or brand name an unfortunate sense (excretion, death, illness,
// failure, gambling, vice, slang, vulgar homophones). A body is caught when a listed character or a
// listed reading of one or two syllables stands in it, or a listed pair runs through it or across
// its joins with the region prefix and the industry suffix (江阴 + 道通 makes 阴道).
class AssociationFilter {
public:
    // The list of Zelmar.dll; readings are looked up in its character table as they are needed.
    explicit AssociationFilter(data::DataStore& store);

    // The reason a body is caught, or nullopt for a body that reads well.
    std::optional<std::string> Reason(std::string_view body, std::string_view prefix = {},
                                      std::string_view suffix = {});

    // The toneless reading of a character from the character table ("" without one), looked up once.
    const std::string& ReadingOf(const std::string& character);

private:
    data::DataStore& m_store;
    std::map<std::string, std::string> m_characters;
    std::map<std::string, std::string> m_pairs;
    std::map<std::string, std::string> m_readings; // one or two syllables joined by a blank
    std::map<std::string, std::string> m_readingCache;
};

// The meanings of a body's characters, one line each: "鼎：鼎盛稳重，寓意基业稳固". Characters
// outside the pool (a fixed one of the user's) have no gloss and no line.
std::vector<std::string> BodyGlosses(data::DataStore& store, std::string_view body);

} // namespace korvani::naming
