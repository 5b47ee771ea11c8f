// Numbers as text and back: the same text on every system, compared with the
// standard library's shortest form where it has one.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "state/NumberText.h"
#include "state/TextNumber.h"

namespace krepogor {
namespace {

template <typename T>
uint64_t Bits(T v) {
    uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof v);
    return bits;
}

TEST(NumberTextTest, ShortestTextFixedOrScientificWhicheverIsShorter) {
    const struct {
        double value;
        const char* text;
    } doubles[] = {
        {0.0, "0"},
        {-0.0, "-0"},
        {1800, "1800"},
        {102.83, "102.83"},
        {-1.5, "-1.5"},
        {0.1, "0.1"},
        {1.0 / 3, "0.3333333333333333"},
        {10000, "10000"},
        {1e5, "1e+05"},        // shorter than 100000
        {123456, "123456"},    // shorter than 1.23456e+05
        {1200000, "1200000"},  // as long as 1.2e+06: fixed
        {0.001, "0.001"},
        {1e-4, "1e-04"},
        {1.2e-5, "1.2e-05"},
        {0.000123, "0.000123"},  // as long as 1.23e-04
        {1e23, "1e+23"},
        {9007199254740992.0, "9007199254740992"},
        // Whole numbers past the mantissa: every digit of the exact value.
        {12345678901234567890.0, "12345678901234567168"},
        {18446744073709551616.0, "18446744073709551616"},
        {5e-324, "5e-324"},
        {std::numeric_limits<double>::max(), "1.7976931348623157e+308"},
        {std::numeric_limits<double>::min(), "2.2250738585072014e-308"},
        // Powers of two whose nearest shortest candidate lies just below the
        // numbers that read back (the gap below is half the one above): the
        // next candidate up is the text.
        {std::ldexp(1.0, -1017), "7.120236347223045e-307"},
        {std::ldexp(1.0, -140), "7.174648137343064e-43"},
        {std::numeric_limits<double>::infinity(), "inf"},
        {-std::numeric_limits<double>::infinity(), "-inf"},
        {std::numeric_limits<double>::quiet_NaN(), "nan"},
    };
    for (const auto& c : doubles) EXPECT_EQ(NumberText(c.value), c.text) << c.text;

    const struct {
        float value;
        const char* text;
    } floats[] = {
        {4.0f, "4"},
        {0.3f, "0.3"},
        {281.6f, "281.6"},
        {1e5f, "1e+05"},
        {1e10f, "1e+10"},
        {16777216.0f, "16777216"},
        {std::numeric_limits<float>::max(), "3.4028235e+38"},
        {std::numeric_limits<float>::denorm_min(), "1e-45"},
        {std::ldexp(1.0f, -96), "1.2621775e-29"},
        {std::ldexp(1.0f, 90), "1.2379401e+27"},
    };
    for (const auto& c : floats) EXPECT_EQ(NumberText(c.value), c.text) << c.text;
    EXPECT_EQ(NumberText(int64_t{-1}), "-1");
    EXPECT_EQ(NumberText(std::numeric_limits<int64_t>::min()), "-9223372036854775808");
}

TEST(NumberTextTest, ReadsWhatTheStandardReaderReadsAndNothingMore) {
    const struct {
        const char* text;
        double value;
    } read[] = {
        {"0", 0.0},
        {"-0", -0.0},
        {"5.", 5},
        {".5", 0.5},
        {"-.5e-3", -0.0005},
        {"00012", 12},
        {"1E5", 1e5},
        {"1e+05", 1e5},
        {"1e0005", 1e5},
        {"0e99999999999", 0},
        // Halfway between two doubles: the even one.
        {"9007199254740993", 9007199254740992.0},
        {"9007199254740995", 9007199254740996.0},
        {"1.7976931348623158e308", std::numeric_limits<double>::max()},
        {"2.4703282292062328e-324", 5e-324},  // just over half the smallest
        {"inf", std::numeric_limits<double>::infinity()},
        {"-Infinity", -std::numeric_limits<double>::infinity()},
    };
    for (const auto& c : read) {
        double v = 7;
        EXPECT_TRUE(TextNumber(c.text, v)) << c.text;
        EXPECT_EQ(Bits(v), Bits(c.value)) << c.text;
    }
    // 800 ones after the point: the digits past what a double can hold
    // still decide nothing wrongly.
    double ones = 0;
    EXPECT_TRUE(TextNumber("0." + std::string(800, '1'), ones));
    EXPECT_EQ(ones, 1.0 / 9);
    for (const char* text : {"nan", "-nan", "NaN", "nan(abc_1)", "nan()"}) {
        double v = 0;
        EXPECT_TRUE(TextNumber(text, v) && std::isnan(v)) << text;
    }

    for (const std::string& text : std::initializer_list<std::string>{
             "", "-", ".", "+1", " 1", "1 ", "1e", "1e+", "1e-", "e5", "1..2", "1e5.5", "1_0",
             "0x1p3", "infin", "infinityx", "nan(", "nan(a b)", "1,5", "١",
             // Too large or too small for a double.
             "1e400", "-1e400", "1e-400", "2e-324", "2.4703282292062327e-324",
             "1.7976931348623159e308", "1e99999999999999999999", "1" + std::string(400, '0')}) {
        double v = 7;
        EXPECT_FALSE(TextNumber(text, v)) << text;
        EXPECT_EQ(v, 7) << text;
    }

    float f = 0;
    EXPECT_TRUE(TextNumber("3.4028235e38", f));
    EXPECT_EQ(f, std::numeric_limits<float>::max());
    EXPECT_TRUE(TextNumber("7.1e-46", f));
    EXPECT_EQ(f, std::numeric_limits<float>::denorm_min());
    EXPECT_TRUE(TextNumber("0.3", f));
    EXPECT_EQ(f, 0.3f);  // rounded once, not through a double
    for (const char* text : {"3.4028236e38", "3.40282357e38", "1e39", "7e-46"})
        EXPECT_FALSE(TextNumber(text, f)) << text;
}

#if defined(__cpp_lib_to_chars)
// The standard's shortest text of `v`.
template <typename T>
std::string Standard(T v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

// NumberText against the standard library, and the text read back.
template <typename T>
void ExpectStandardText(T v, int& differences) {
    const std::string text = NumberText(v);
    if (text != Standard(v) && ++differences <= 10)
        ADD_FAILURE() << "NumberText gives " << text << ", the standard " << Standard(v);
    T back{};
    if (std::isfinite(v) && (!TextNumber(text, back) || Bits(back) != Bits(v)) &&
        ++differences <= 10)
        ADD_FAILURE() << text << " reads back as another number";
}

// A random text of digits, points, exponents, signs and letters.
std::string RandomText(std::mt19937_64& random) {
    static constexpr char kPieces[] = "0123456789000999.eE+-.infa()x _";
    std::string text;
    const int length = static_cast<int>(random() % 24);
    for (int i = 0; i < length; ++i) text += kPieces[random() % (sizeof kPieces - 1)];
    return text;
}

// Whether both readers take the whole text alike: the same number or both
// refusing it.
template <typename T>
bool ReadAlike(const std::string& text) {
    T mine{}, standard{};
    const bool mineRead = TextNumber(text, mine);
    const auto r = std::from_chars(text.data(), text.data() + text.size(), standard);
    const bool standardRead = r.ec == std::errc() && r.ptr == text.data() + text.size();
    if (mineRead != standardRead) return false;
    return !mineRead || Bits(mine) == Bits(standard) || (std::isnan(mine) && std::isnan(standard));
}
#endif

// Millions of numbers: every bit pattern's kind, the magnitudes the battle
// uses, and texts made at random against the standard reader.
TEST(NumberTextTest, AgreesWithTheStandardLibrarysShortestForm) {
#if !defined(__cpp_lib_to_chars)
    GTEST_SKIP() << "this C++ library has no floating-point std::to_chars";
#else
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> magnitude(-4, 7);
    int differences = 0;
    for (int i = 0; i < 1000000 && differences == 0; ++i) {
        // Any bit pattern (every other turn: the long ones take their time).
        const uint64_t bits = random();
        const uint32_t fbits = static_cast<uint32_t>(bits >> 13);
        float f;
        std::memcpy(&f, &fbits, sizeof f);
        ExpectStandardText(f, differences);
        if (i % 2 == 0) {
            double d;
            std::memcpy(&d, &bits, sizeof d);
            ExpectStandardText(d, differences);
        }
        // As the battle's numbers run: a few digits, or what arithmetic made.
        const double battle = std::pow(10.0, magnitude(random));
        ExpectStandardText(battle, differences);
        ExpectStandardText(static_cast<float>(battle), differences);
        ExpectStandardText(std::round(battle * 100) / 100, differences);
        ExpectStandardText(static_cast<float>(std::round(battle * 10) / 10), differences);
    }
    for (int i = 0; i < 300000; ++i) {
        const std::string text = RandomText(random);
        EXPECT_TRUE(ReadAlike<double>(text)) << text;
        EXPECT_TRUE(ReadAlike<float>(text)) << text;
        const std::string printed = NumberText(static_cast<double>(random() % 100000) / 1000);
        ASSERT_TRUE(ReadAlike<double>(printed) && ReadAlike<float>(printed)) << printed;
    }
#endif
}

}  // namespace
}  // namespace krepogor
