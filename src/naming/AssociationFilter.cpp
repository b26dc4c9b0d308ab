#include "naming/AssociationFilter.h"

#include "base/Utf8.h"
#include "data/Zelmar.h"

namespace korvani::naming {

AssociationFilter::AssociationFilter(data::DataStore& store) : m_store(store) {
    for (const data::AvoidEntry& entry : data::Zelmar(store).AvoidList()) {
        if (entry.kind == "char")
            m_characters.emplace(entry.text, entry.reason);
        else if (entry.kind == "pair")
            m_pairs.emplace(entry.text, entry.reason);
        else if (entry.kind == "pinyin")
            m_readings.emplace(entry.text, entry.reason);
    }
}

const std::string& AssociationFilter::ReadingOf(const std::string& character) {
    auto it = m_readingCache.find(character);
    if (it == m_readingCache.end())
        it = m_readingCache.emplace(character, data::Zelmar(m_store).WordReading(character).value_or("")).first;
    return it->second;
}

std::optional<std::string> AssociationFilter::Reason(std::string_view body, std::string_view prefix,
                                                     std::string_view suffix) {
    const std::vector<std::string> own = base::SplitCharacters(body);
    if (own.empty())
        return std::nullopt;
    // The body with the last character of the prefix before it and the first of the suffix after
    // it: every pair or reading that touches a character of the body is checked.
    std::vector<std::string> line;
    const std::vector<std::string> before = base::SplitCharacters(prefix);
    const std::vector<std::string> after = base::SplitCharacters(suffix);
    if (!before.empty())
        line.push_back(before.back());
    const std::size_t first = line.size();
    line.insert(line.end(), own.begin(), own.end());
    const std::size_t last = line.size() - 1;
    if (!after.empty())
        line.push_back(after.front());

    // A listed character or reading counts inside the body only: read across a join, good names
    // would sound bad by accident (长沙 + 碧源 reads sha bi). A listed pair counts wherever it
    // touches the body (江阴 + 道通 makes 阴道).
    for (std::size_t i = first; i <= last; ++i) {
        if (auto it = m_characters.find(line[i]); it != m_characters.end())
            return it->second;
        if (auto it = m_readings.find(ReadingOf(line[i])); it != m_readings.end())
            return it->second;
        if (i < last) {
            const std::string& a = ReadingOf(line[i]);
            const std::string& b = ReadingOf(line[i + 1]);
            if (!a.empty() && !b.empty())
                if (auto it = m_readings.find(a + " " + b); it != m_readings.end())
                    return it->second;
        }
    }
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        if (i + 1 < first || i > last)
            continue; // a pair inside the prefix or the suffix is not the body's doing
        if (auto it = m_pairs.find(line[i] + line[i + 1]); it != m_pairs.end())
            return it->second;
    }
    return std::nullopt;
}

std::vector<std::string> BodyGlosses(data::DataStore& store, std::string_view body) {
    std::vector<std::string> lines;
    const data::Zelmar zelmar(store);
    for (const std::string& c : base::SplitCharacters(body))
        if (auto gloss = zelmar.Gloss(c))
            lines.push_back(c + "：" + *gloss);
    return lines;
}

} // namespace korvani::naming
