#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "naming/AssociationFilter.h"
#include "support/TestDataDir.h"

using korvani::naming::AssociationFilter;

namespace {

struct Case {
    std::string body, prefix, suffix, entry;
};

// The reviewed cases beside the list: a body (with its prefix and suffix) that each entry must catch,
// and good bodies that nothing may catch.
std::vector<Case> Cases() {
    std::ifstream in(std::string(KORVANI_SOURCE_DIR) + "/refdata/pools/association_cases.tsv");
    std::vector<Case> cases;
    std::string line;
    std::getline(in, line); // header
    while (std::getline(in, line)) {
        std::vector<std::string> f;
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
            f.push_back(line.substr(start, tab - start));
        f.push_back(line.substr(start));
        if (f.size() == 4)
            cases.push_back({f[0], f[1], f[2], f[3]});
    }
    return cases;
}

} // namespace

TEST(AssociationFilter, CatchesEveryListedCaseAndNoGoodName) {
    korvani::data::DataStore store(korvani::testing::BuiltDataDir().string());
    AssociationFilter filter(store);
    const std::vector<Case> cases = Cases();
    ASSERT_GE(cases.size(), 100u);
    int good = 0;
    for (const Case& c : cases) {
        const auto reason = filter.Reason(c.body, c.prefix, c.suffix);
        if (c.entry.empty()) {
            ++good;
            EXPECT_FALSE(reason) << c.body << ": " << reason.value_or("");
        } else {
            EXPECT_TRUE(reason) << c.prefix << "[" << c.body << "]" << c.suffix << " should be caught by " << c.entry;
        }
    }
    EXPECT_GE(good, 20);
}

// Pairs are checked across the joins with the prefix and the suffix; characters and readings only
// inside the body, and what lies in an affix alone is not the body's doing.
TEST(AssociationFilter, ChecksPairsAcrossTheJoinsAndReadingsInsideTheBody) {
    korvani::data::DataStore store(korvani::testing::BuiltDataDir().string());
    AssociationFilter filter(store);
    EXPECT_TRUE(filter.Reason("鑫窑"));
    EXPECT_TRUE(filter.Reason("道通", "江阴", "科技有限公司")); // 阴道 across the join
    EXPECT_FALSE(filter.Reason("道通", "成都", "科技有限公司"));
    EXPECT_TRUE(filter.Reason("思旺"));                          // reads si wang
    EXPECT_FALSE(filter.Reason("碧源", "长沙", ""));             // sha bi only across the join
    EXPECT_FALSE(filter.Reason("宏图", "窑子", ""));             // the prefix alone
    EXPECT_FALSE(filter.Reason(""));
}
