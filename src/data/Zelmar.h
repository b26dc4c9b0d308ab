#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/Repository.h"

namespace korvani::data {

// An entry of the list of what gives a name an unfortunate sense (`avoid`).
struct AvoidEntry {
    std::string kind; // char, pair or pinyin
    std::string text;
    std::string reason;
};

// Zelmar.dll: the character table `word`, the name pools `CYZI` and `MZ`, the stroke patterns `gz`.
class Zelmar : public Repository {
public:
    explicit Zelmar(DataStore& store) : Repository(store, DataFileId::Zelmar) {}

    // `word`: stroke count and traditional form of one character (the key as given, untrimmed).
    std::optional<int> WordStrokes(std::string_view zi) const;
    std::optional<std::string> WordTraditional(std::string_view zi) const;

    // `word`: the element of one character, as the candidates carry it.
    std::optional<std::string> WordElement(std::string_view zi) const;

    // `word`: the first Mandarin reading of a character without its tone ("" without one).
    std::optional<std::string> WordReading(std::string_view zi) const;

    // `CYZI`: the gloss of a pool character.
    std::optional<std::string> Gloss(std::string_view zi) const;

    // `gz`: the score of a stroke pattern of two to four characters (their strokes in body order),
    // nullopt for a pattern that is not listed.
    std::optional<int> PatternScore(const std::vector<int>& strokes) const;

    // `avoid`, in stored order.
    std::vector<AvoidEntry> AvoidList() const;

    // Runs a read over the pools, for the candidate queries of the naming run.
    template <typename Reader> auto ReadPools(Reader&& read) const { return Read(std::forward<Reader>(read)); }
};

} // namespace korvani::data
