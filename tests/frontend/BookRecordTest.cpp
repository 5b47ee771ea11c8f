#include <gtest/gtest.h>

#include <string>

#include "frontend/BookRecord.h"

namespace krepogor {
namespace {

std::string Bytes(const BookRecord& rec) {
    return std::string(reinterpret_cast<const char*>(&rec), sizeof rec);
}

BookRecord WithScoreField(const std::string& field) {
    BookRecord rec = EncodeRecord("x", 0);
    std::copy(field.begin(), field.end(), rec.Score);
    return rec;
}

TEST(BookRecord, ScoresAreStoredWithTheirSignPlace) {
    EXPECT_EQ(Bytes(EncodeRecord("Ждан", 12345)), "\xC6\xE4\xE0\xED                 12345");
    EXPECT_EQ(Bytes(EncodeRecord("Ждан", 950)).substr(20), " 950  ");
    EXPECT_EQ(Bytes(EncodeRecord("Ждан", -40)).substr(20), "-40   ");
    EXPECT_EQ(Bytes(EncodeRecord("", 0)), std::string(20, ' ') + " 0    ");
    EXPECT_EQ(Bytes(EncodeRecord("", 32767)).substr(20), " 32767");
    EXPECT_EQ(Bytes(EncodeRecord("", -32768)).substr(20), "-32768");
    for (int16_t s : {12345, 950, -40, 0, 32767, -32768})
        EXPECT_EQ(DecodeScore(EncodeRecord("", s)), s);
}

TEST(BookRecord, LongNamesAreCutAtTwentyCharactersAfterConversion) {
    // 25 Cyrillic letters are 50 bytes of UTF-8 but 25 characters.
    const std::string name = "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШ";
    const BookRecord rec = EncodeRecord(name, 1);
    EXPECT_EQ(Bytes(rec).substr(0, 20),
              "\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9"
              "\xCA\xCB\xCC\xCD\xCE\xCF\xD0\xD1\xD2\xD3");
    EXPECT_EQ(DecodeName(rec), "АБВГДЕЖЗИЙКЛМНОПРСТУ");
}

TEST(BookRecord, NamesAreReadBackTrimmedButKeepInnerSpaces) {
    EXPECT_EQ(DecodeName(EncodeRecord("   Велесов  Ждан ", 1)), "Велесов  Ждан");
    EXPECT_EQ(DecodeName(EncodeRecord("", 1)), "");
    EXPECT_EQ(DecodeName(EncodeRecord("Ω中", 1)), "??");
}

TEST(BookRecord, AnyScoreFieldReadsAsItsLeadingNumber) {
    EXPECT_EQ(DecodeScore(WithScoreField("      ")), 0);
    EXPECT_EQ(DecodeScore(WithScoreField("abc123")), 0);
    EXPECT_EQ(DecodeScore(WithScoreField("  -7x9")), -7);
    EXPECT_EQ(DecodeScore(WithScoreField("+12   ")), 12);
    EXPECT_EQ(DecodeScore(WithScoreField("1 2 3 ")), 1);
    EXPECT_EQ(DecodeScore(WithScoreField("-     ")), 0);
    EXPECT_EQ(DecodeScore(WithScoreField(std::string("\0\xFF\x80\0\0\0", 6))), 0);
    EXPECT_EQ(DecodeScore(WithScoreField("999999")), 32767);
    EXPECT_EQ(DecodeScore(WithScoreField("-99999")), -32768);
    EXPECT_EQ(DecodeScore(WithScoreField(" 32768")), 32767);
    EXPECT_EQ(ParseScore("-000000000000000000000000032768"), -32768);
    EXPECT_EQ(ParseScore("99999999999999999999999999999999"), 32767);
}

TEST(BookRecord, ScoresOutsideInt16AreClamped) {
    EXPECT_EQ(ClampScore(40000), 32767);
    EXPECT_EQ(ClampScore(-40000), -32768);
    EXPECT_EQ(ClampScore(INT64_MIN), -32768);
    EXPECT_EQ(ClampScore(1800), 1800);
}

}  // namespace
}  // namespace krepogor
