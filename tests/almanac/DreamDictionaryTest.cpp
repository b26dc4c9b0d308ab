#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "DreamTexts.h"
#include "almanac/DreamDictionary.h"
#include "support/DreamFixture.h"
#include "support/TestDataDir.h"

using namespace korvani::almanac;
using korvani::DataFileError;
using korvani::data::DataStore;
using korvani::data::Dream;
using korvani::testing::BuiltDataDir;
using korvani::testing::ScratchDir;

namespace {

korvani::refdata::DreamSources Sources() {
    return korvani::refdata::ReadDreamSources(std::filesystem::path(KORVANI_SOURCE_DIR) / "refdata" / "texts" /
                                              "dream");
}

std::string SourceText(const korvani::refdata::DreamSources& sources, const std::string& title) {
    for (const auto& entry : sources.entries)
        if (entry.title == title)
            return entry.text;
    return {};
}

// A copy of the built files with the dictionary's odd cases added.
class OddDreams : public testing::Test {
protected:
    OddDreams() {
        m_dir.CopyDataFiles();
        korvani::testing::AddDreamOddCases(m_dir.path() / "dream.dll");
    }
    ScratchDir m_dir;
    DataStore m_store{m_dir.path().string()};
    Dream m_dream{m_store};
};

} // namespace

// The tree lists the categories in key order and under each its titles in the order of its file.
TEST(DreamTree, FollowsTheSourcesAndIsTheSameEachTime) {
    const auto sources = Sources();
    std::map<std::string, DreamCategoryNode> expected;
    for (const auto& category : sources.categories)
        expected[category.key].name = category.name;
    for (const auto& entry : sources.entries)
        expected[entry.categoryKey].titles.push_back(entry.title);

    DataStore store(BuiltDataDir().string());
    const Dream dream(store);
    const std::vector<DreamCategoryNode> tree = DreamTree(dream);
    ASSERT_EQ(tree.size(), expected.size());
    auto want = expected.begin();
    for (const DreamCategoryNode& node : tree) {
        EXPECT_EQ(node.name, want->second.name);
        EXPECT_EQ(node.titles, want->second.titles) << node.name;
        EXPECT_GE(node.titles.size(), 40u) << node.name;
        ++want;
    }
    const std::vector<DreamCategoryNode> again = DreamTree(dream);
    ASSERT_EQ(again.size(), tree.size());
    for (std::size_t i = 0; i < tree.size(); ++i)
        EXPECT_EQ(again[i].titles, tree[i].titles);
}

TEST(DreamMemo, ShowsFourBlanksAndTheText) {
    const auto sources = Sources();
    DataStore store(BuiltDataDir().string());
    const Dream dream(store);
    for (const char* title : {"梦见蛇", "梦见掉牙", "梦见开店", "梦见考试"}) {
        const std::vector<std::string> lines = DreamMemoLines(dream, title);
        ASSERT_EQ(lines.size(), 1u) << title;
        EXPECT_EQ(lines[0], "    " + SourceText(sources, title)) << title;
    }
    EXPECT_TRUE(DreamMemoLines(dream, "梦见没有这一条").empty());
    // The title is matched as it stands: a blank or a wildcard finds nothing.
    EXPECT_TRUE(DreamMemoLines(dream, " 梦见蛇").empty());
    EXPECT_TRUE(DreamMemoLines(dream, "梦见%").empty());
}

TEST_F(OddDreams, CategoriesWithoutEntriesAndStoredTextsOfEveryShape) {
    const std::vector<DreamCategoryNode> tree = DreamTree(m_dream);
    const auto node = [&](const std::string& name) {
        return *std::find_if(tree.begin(), tree.end(), [&](const auto& n) { return n.name == name; });
    };
    // Names are trimmed; categories without entries are leaves; rows of an unknown category stay out.
    EXPECT_TRUE(node("夜空").titles.empty());
    EXPECT_TRUE(node("梦见扫帚星").titles.empty());
    EXPECT_EQ(node("特殊条目").titles,
              (std::vector<std::string>{"梦见'引号'", "梦见奇数", "梦见坏对", "梦见一字节", "梦见ABC字母"}));
    EXPECT_EQ(tree.back().name, "梦见扫帚星");

    // A leaf category is looked up as a title.
    EXPECT_TRUE(DreamMemoLines(m_dream, "夜空").empty());
    EXPECT_EQ(DreamMemoLines(m_dream, "梦见扫帚星").at(0), "    只在测试里出现的条目：扫帚星划过夜空。");

    int beeps = 0;
    const auto beep = [&] { ++beeps; };
    EXPECT_EQ(DreamMemoLines(m_dream, "梦见'引号'", beep).at(0), "    带引号的标题也能查到。");
    EXPECT_EQ(DreamMemoLines(m_dream, "梦见奇数", beep).at(0), "    奇数长度");
    EXPECT_EQ(DreamMemoLines(m_dream, "梦见一字节", beep).at(0), "    A");
    EXPECT_EQ(beeps, 0);
    EXPECT_EQ(DreamMemoLines(m_dream, "梦见坏对", beep).at(0), "    AB");
    EXPECT_EQ(beeps, 2);
}

TEST(DreamSearchWords, SplitAtBlanksAndTheIdeographicSpace) {
    EXPECT_EQ(SearchWords(" 蛇\t开店　水  "), (std::vector<std::string>{"蛇", "开店", "水"}));
    EXPECT_TRUE(SearchWords("　 \t").empty());
    EXPECT_EQ(SearchWords("梦见蛇"), (std::vector<std::string>{"梦见蛇"}));
}

// Title matches come first, then entries that hold the words in their title and text together; each
// group in tree order. Checked against the readable sources.
TEST(DreamSearch, FindsByTitleThenByText) {
    const auto sources = Sources();
    std::map<std::string, std::vector<const korvani::refdata::DreamSourceEntry*>> byCategory;
    for (const auto& entry : sources.entries)
        byCategory[entry.categoryKey].push_back(&entry);
    const auto expected = [&](const std::vector<std::string>& words) {
        std::vector<std::string> titles;
        std::vector<std::string> texts;
        const auto holds = [&](const std::string& haystack) {
            return std::all_of(words.begin(), words.end(),
                               [&](const std::string& w) { return haystack.find(w) != std::string::npos; });
        };
        for (const auto& [key, entries] : byCategory)
            for (const auto* entry : entries) {
                if (holds(entry->title))
                    titles.push_back(entry->title);
                else if (holds(entry->title + "\n" + entry->text))
                    texts.push_back(entry->title);
            }
        titles.insert(titles.end(), texts.begin(), texts.end());
        return titles;
    };

    DataStore store(BuiltDataDir().string());
    DreamSearch search{Dream(store)};
    EXPECT_FALSE(search.Loaded());
    const std::vector<std::string> snake = search.Search("蛇");
    EXPECT_TRUE(search.Loaded());
    ASSERT_FALSE(snake.empty());
    EXPECT_EQ(snake[0], "梦见蛇");
    EXPECT_EQ(snake, expected({"蛇"}));

    // "开店" is in one title and in many texts.
    const std::vector<std::string> shop = search.Search("开店");
    EXPECT_EQ(shop, expected({"开店"}));
    EXPECT_EQ(shop[0], "梦见开店");
    EXPECT_TRUE(
        std::any_of(shop.begin(), shop.end(), [](const auto& t) { return t.find("开店") == std::string::npos; }));

    // Several words must all be there.
    EXPECT_EQ(search.Search("考试 准备"), expected({"考试", "准备"}));
    EXPECT_FALSE(search.Search("考试 准备").empty());
    EXPECT_TRUE(search.Search("蛇 没有这种说法的词").empty());
    EXPECT_TRUE(search.Search("").empty());
    EXPECT_TRUE(search.Search(" 　").empty());
}

// After the first search the texts stay in memory: the file may even vanish.
TEST_F(OddDreams, SearchKeepsItsTextsAfterTheFirstUse) {
    DreamSearch search(m_dream);
    EXPECT_EQ(search.Search("引号"), (std::vector<std::string>{"梦见'引号'"}));
    EXPECT_EQ(search.Search("abc"), (std::vector<std::string>{"梦见ABC字母"}));
    EXPECT_EQ(search.Search("ABC 解说"), (std::vector<std::string>{"梦见ABC字母"}));
    // The entry of a category missing from the tree is not found: the tree could not show it.
    EXPECT_TRUE(search.Search("测试里出现").empty());

    m_store.Close();
    std::filesystem::remove(m_dir.path() / "dream.dll");
    EXPECT_THROW(DreamTree(m_dream), DataFileError);
    EXPECT_EQ(search.Search("奇数"), (std::vector<std::string>{"梦见奇数"}));
    EXPECT_EQ(search.Search("奇数长度").size(), 1u);
}

TEST(DreamDictionaryFailures, AMissingFileIsNamed) {
    ScratchDir empty;
    DataStore store(empty.path().string());
    const Dream dream(store);
    EXPECT_THROW(DreamTree(dream), DataFileError);
    EXPECT_THROW(DreamMemoLines(dream, "梦见蛇"), DataFileError);
    DreamSearch search(dream);
    EXPECT_THROW(search.Search("蛇"), DataFileError);
    EXPECT_FALSE(search.Loaded());
}
