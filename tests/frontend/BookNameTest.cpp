#include <gtest/gtest.h>

#include "frontend/BookName.h"

namespace krepogor {
namespace {

TEST(BookName, LettersTypedInPartsAreKeptWhole) {
    // И, е, у, К, і with a breve, a diaeresis or an acute typed after them.
    EXPECT_EQ(KeptName("И\u0306ван"), "Йван");
    EXPECT_EQ(KeptName("Пе\u0308тр у\u0306 К\u0301 і\u0308"), "Пётр ў Ќ ї");
    EXPECT_EQ(ComposedName(U'И', 0x0306), U'Й');
    EXPECT_EQ(ComposedName(U'A', 0x0306), 0u);
    // A mark with nothing it composes with is left out, as is a mark alone.
    EXPECT_EQ(KeptName("A\u0306 \u0301"), "A ");
    // Other characters that stand for one the book holds.
    EXPECT_EQ(KeptName("\u212A\u037E"), "K;");
}

TEST(BookName, WhatTheBookCannotHoldIsLeftOut) {
    EXPECT_EQ(KeptName("Ωмега-中😀 №1\t€"), "мега- №1€");
    EXPECT_EQ(NameChar(U'Ω'), 0u);
    EXPECT_EQ(NameChar(U'\n'), 0u);
    EXPECT_EQ(NameChar(0x98), 0u);  // a control character, not the page's undefined byte
    EXPECT_EQ(NameChar(U'ё'), U'ё');
    // Bytes that are no UTF-8 are no character of a name.
    EXPECT_EQ(KeptName("Ян\xFF\xC0"), "Ян");
}

TEST(BookName, AtMostTwentyCharactersAndSpacesAloneAreNoName) {
    EXPECT_EQ(KeptName("АБВГДЕЖЗИЙКЛМНОПРСТУФХ"), "АБВГДЕЖЗИЙКЛМНОПРСТУ");
    // A mark after the cut does not compose with the last letter kept.
    EXPECT_EQ(KeptName("АБВГДЕЖЗИЙКЛМНОПРСТУИ\u0306"), "АБВГДЕЖЗИЙКЛМНОПРСТУ");
    EXPECT_EQ(KeptName("АБВГДЕЖЗИЙКЛМНОПРСТИ\u0306"), "АБВГДЕЖЗИЙКЛМНОПРСТЙ");
    EXPECT_EQ(KeptName("    "), "");
    EXPECT_EQ(KeptName(" 中 "), "");
    EXPECT_EQ(KeptName(" Ян "), " Ян ");
}

}  // namespace
}  // namespace krepogor
