// The titles' code page: every byte 1..255 survives the trip through UTF-8.
#include "CodePage.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(CodePage, EveryByteRoundTripsThroughUtf8) {
    std::set<char32_t> seen;
    for (int b = 1; b <= 255; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::string utf8 = cp1252ToUtf8(byte);
        EXPECT_EQ(utf8ToCp1252(utf8), byte) << "byte " << b;
        const char32_t cp = cp1252ToCodePoint(static_cast<unsigned char>(b));
        EXPECT_TRUE(seen.insert(cp).second) << "two bytes share U+" << std::hex << static_cast<unsigned>(cp);
        EXPECT_EQ(codePointToCp1252(cp), static_cast<unsigned char>(b));
    }
    std::string all;
    for (int b = 1; b <= 255; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

TEST(CodePage, KnownCharacters) {
    EXPECT_EQ(cp1252ToUtf8("abc"), "abc");
    EXPECT_EQ(cp1252ToUtf8("\x80"), "\u20AC");      // euro sign
    EXPECT_EQ(cp1252ToUtf8("\x9F"), "\u0178");      // Y with diaeresis
    EXPECT_EQ(cp1252ToUtf8("\xE9"), "\u00E9");      // e acute
    EXPECT_EQ(cp1252ToUtf8("\xA0"), "\u00A0");
    EXPECT_EQ(utf8ToCp1252("\u2122"), "\x99");      // trade mark
    for (const unsigned char undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(cp1252ToCodePoint(undefined), static_cast<char32_t>(undefined));
}

TEST(CodePage, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(utf8ToCp1252("a\u0101b"), "a?b");             // a with macron
    EXPECT_EQ(utf8ToCp1252("\u4E2D\u6587"), "??");           // one "?" per character
    EXPECT_EQ(utf8ToCp1252("x\U0001F600y"), "x?y");          // outside the BMP
    // C1 code points that Windows-1252 fills with other characters have no byte.
    EXPECT_EQ(utf8ToCp1252("\xC2\x80\xC2\x99"), "??");
}

TEST(CodePage, MalformedUtf8BecomesQuestionMarks) {
    EXPECT_EQ(utf8ToCp1252("a\xFF" "b"), "a?b");              // never a lead byte
    EXPECT_EQ(utf8ToCp1252("a\x80" "b"), "a?b");              // stray continuation
    EXPECT_EQ(utf8ToCp1252("a\xC3"), "a?");                   // cut short at the end
    EXPECT_EQ(utf8ToCp1252("\xC3" "A"), "?A");                // lead without continuation
    EXPECT_EQ(utf8ToCp1252("\xC0\xAF"), "??");                // overlong "/"
    EXPECT_EQ(utf8ToCp1252("\xED\xA0\x80"), "?");             // surrogate
}

TEST(CodePage, ZeroByteAndEmptyText) {
    EXPECT_EQ(cp1252ToUtf8(""), "");
    EXPECT_EQ(utf8ToCp1252(""), "");
    EXPECT_EQ(cp1252ToUtf8(std::string(1, '\0')), std::string(1, '\0'));
}

}  // namespace
