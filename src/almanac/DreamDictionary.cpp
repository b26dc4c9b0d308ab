#include "almanac/DreamDictionary.h"

#include <unordered_map>

#include "base/Text.h"

namespace korvani::almanac {

namespace {

std::string FoldLatin(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool HoldsEvery(std::string_view haystack, const std::vector<std::string>& words) {
    for (const std::string& word : words)
        if (haystack.find(word) == std::string_view::npos)
            return false;
    return true;
}

} // namespace

std::vector<DreamCategoryNode> DreamTree(const data::Dream& dream) {
    std::vector<DreamCategoryNode> tree;
    for (const data::DreamCategory& category : dream.DreamCategories())
        tree.push_back({category.name, dream.DreamTitles(category.key)});
    return tree;
}

std::vector<std::string> DreamMemoLines(const data::Dream& dream, std::string_view title,
                                        const BadPairSignal& onBadPair) {
    const std::optional<std::string> stored = dream.DreamText(title);
    if (!stored)
        return {};
    return {"    " + UnscrambleText(*stored, DreamTextKey, kDreamTextRounds, onBadPair)};
}

std::vector<std::string> SearchWords(std::string_view text) {
    static constexpr std::string_view kIdeographicSpace = "\u3000";
    std::vector<std::string> words;
    std::string word;
    for (std::size_t i = 0; i < text.size();) {
        if (text.substr(i).starts_with(kIdeographicSpace)) {
            i += kIdeographicSpace.size();
        } else if (static_cast<unsigned char>(text[i]) <= ' ') {
            ++i;
        } else {
            word += text[i++];
            continue;
        }
        if (!word.empty())
            words.push_back(std::move(word));
        word.clear();
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

void DreamSearch::Load() {
    // The text a title shows is that of the first row bearing exactly the title the tree shows.
    std::unordered_map<std::string, std::string> firstText;
    for (data::DreamRow& row : m_dream.DreamRows())
        firstText.try_emplace(std::move(row.title), std::move(row.text));
    m_entries.clear();
    for (const DreamCategoryNode& category : DreamTree(m_dream)) {
        for (const std::string& title : category.titles) {
            const auto found = firstText.find(title);
            const std::string text = found == firstText.end()
                                         ? std::string()
                                         : UnscrambleText(base::Trim(found->second), DreamTextKey, kDreamTextRounds);
            m_entries.push_back({title, FoldLatin(title) + "\n" + FoldLatin(text), title.size()});
        }
    }
    m_loaded = true;
}

std::vector<std::string> DreamSearch::Search(std::string_view text) {
    std::vector<std::string> words = SearchWords(text);
    if (words.empty())
        return {};
    for (std::string& word : words)
        word = FoldLatin(word);
    if (!m_loaded)
        Load();
    std::vector<std::string> byTitle;
    std::vector<std::string> byText;
    for (const Entry& entry : m_entries) {
        const std::string_view all = entry.folded;
        if (HoldsEvery(all.substr(0, entry.titleLength), words))
            byTitle.push_back(entry.title);
        else if (HoldsEvery(all, words))
            byText.push_back(entry.title);
    }
    byTitle.insert(byTitle.end(), byText.begin(), byText.end());
    return byTitle;
}

} // namespace korvani::almanac
