#include <gtest/gtest.h>

#include "frontend/Cp1251.h"

namespace krepogor {
namespace {

TEST(Cp1251, CyrillicAndAsciiMapOneByteEach) {
    EXPECT_EQ(Utf8ToCp1251("Ждан 7"), "\xC6\xE4\xE0\xED 7");
    EXPECT_EQ(Utf8ToCp1251("АЯаяЁё№€"), "\xC0\xDF\xE0\xFF\xA8\xB8\xB9\x88");
    EXPECT_EQ(Cp1251ToUtf8("\xC0\xDF\xE0\xFF\xA8\xB8\xB9\x88"), "АЯаяЁё№€");
}

TEST(Cp1251, EveryDefinedByteSurvivesTheRoundTrip) {
    for (int b = 0; b < 256; ++b) {
        if (b == 0x98) continue;
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(one)), one) << "byte " << b;
    }
}

TEST(Cp1251, UndefinedByteReadsAsQuestionMark) {
    EXPECT_EQ(Cp1251ToUtf8("a\x98z"), "a?z");
}

TEST(Cp1251, CharactersOutsideThePageBecomeQuestionMarks) {
    // Chinese, an emoji (four bytes), Latin with a diacritic, Greek.
    EXPECT_EQ(Utf8ToCp1251("中😀éΩ"), "????");
    EXPECT_EQ(Utf8ToCp1251("Ян 中"), "\xDF\xED ?");
}

TEST(Cp1251, MalformedUtf8BecomesOneQuestionMarkPerBrokenSequence) {
    EXPECT_EQ(Utf8ToCp1251("\x80"), "?");                 // lone continuation byte
    EXPECT_EQ(Utf8ToCp1251("\xD0"), "?");                 // cut at the end
    EXPECT_EQ(Utf8ToCp1251("\xE2\x82z"), "?z");           // cut before a plain byte
    EXPECT_EQ(Utf8ToCp1251("\xC0\xAF"), "??");            // overlong '/'
    EXPECT_EQ(Utf8ToCp1251("\xED\xA0\x80"), "???");       // surrogate
    EXPECT_EQ(Utf8ToCp1251("\xF4\x90\x80\x80"), "????");  // past U+10FFFF
    EXPECT_EQ(Utf8ToCp1251("\xFF\xD0\x96"), "?\xC6");     // junk, then Ж
}

}  // namespace
}  // namespace krepogor
