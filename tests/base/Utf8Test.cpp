#include <gtest/gtest.h>

#include "base/Utf8.h"

using namespace korvani::base;

TEST(Utf8, SplitsIntoCharacters) {
    EXPECT_EQ(SplitCharacters("3M科技"), (std::vector<std::string>{"3", "M", "科", "技"}));
    EXPECT_EQ(CharacterCount("𠀀a"), 2u);
    EXPECT_TRUE(SplitCharacters("").empty());
}

TEST(Utf8, RejectsMalformedSequences) {
    EXPECT_TRUE(IsValidUtf8("公司 ABC"));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));         // overlong "/"
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80")); // past U+10FFFF
    EXPECT_FALSE(IsValidUtf8("\xE5\x85"));         // cut short
}
