#include <gtest/gtest.h>

#include "base/Gbk.h"
#include "base/Utf8.h"

using namespace korvani::base;

TEST(Gbk, EveryDoubleByteCodeRoundTrips) {
    int mapped = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const char32_t cp = GbkDecodePair(static_cast<std::uint8_t>(lead), static_cast<std::uint8_t>(trail));
            if (cp == 0)
                continue;
            ++mapped;
            const std::string gbk{static_cast<char>(lead), static_cast<char>(trail)};
            std::string utf8;
            AppendUtf8(utf8, cp);
            ASSERT_EQ(GbkToUtf8(gbk), utf8) << std::hex << lead << trail;
            ASSERT_EQ(Utf8ToGbk(utf8), gbk) << std::hex << lead << trail;
        }
    }
    EXPECT_EQ(mapped, 21791);
}

TEST(Gbk, KnownCodes) {
    EXPECT_EQ(Utf8ToGbk("啊"), "\xB0\xA1");
    EXPECT_EQ(Utf8ToGbk("丂"), "\x81\x40");
    EXPECT_EQ(Utf8ToGbk("齄"), "\xF7\xFE");
    EXPECT_EQ(Utf8ToGbk("〇"), "\xA9\x96");
    EXPECT_EQ(Utf8ToGbk("€"), "\x80");
    EXPECT_EQ(Utf8ToGbk("3M科技\r\n"), "3M\xBF\xC6\xBC\xBC\r\n");
    EXPECT_EQ(GbkToUtf8("\xB9\xAB\xCB\xBE"), "公司");
}

TEST(Gbk, ByteLengthCountsTwoForChineseOneForAscii) {
    EXPECT_EQ(GbkByteLength(""), 0u);
    EXPECT_EQ(GbkByteLength("企业"), 4u);
    EXPECT_EQ(GbkByteLength("3M科技"), 6u);
    EXPECT_EQ(GbkByteLength("子 23"), 5u);
}

TEST(Gbk, CharacterOutsideGbkIsReportedNotMangled) {
    // U+20000 (an extension-B ideograph), an emoji and a Hangul syllable have no GBK code.
    for (const char* text : {"起名𠀀", "店😀", "한"}) {
        EXPECT_THROW(Utf8ToGbk(text), GbkEncodeError) << text;
        EXPECT_TRUE(FirstNonGbkCharacter(text).has_value()) << text;
    }
    try {
        Utf8ToGbk("公司😀");
        FAIL();
    } catch (const GbkEncodeError& e) {
        EXPECT_EQ(e.codePoint(), U'😀');
        EXPECT_NE(std::string(e.what()).find("😀"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("U+1F600"), std::string::npos);
    }
    EXPECT_FALSE(FirstNonGbkCharacter("公司ABC").has_value());
}

TEST(Gbk, MalformedInputIsNeverPassedThrough) {
    EXPECT_THROW(Utf8ToGbk("\xE5\x85"), GbkEncodeError); // cut UTF-8 sequence
    EXPECT_EQ(GbkToUtf8("\xB0"), "\xEF\xBF\xBD");        // lone lead byte at the end
    EXPECT_EQ(GbkToUtf8("\xFF"), "\xEF\xBF\xBD");
    EXPECT_EQ(GbkToUtf8("\xA1\x7F"), "\xEF\xBF\xBD\x7F"); // trail 0x7F is never a trail byte
}
