#include "state/TextNumber.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "state/BigUnsigned.h"
#include "state/BinaryFloat.h"

namespace krepogor {
namespace {

// Digits past these many cannot change where a decimal number falls between
// two binary ones (halfway points of a double need at most 767): the rest
// count only as "more, not zero".
constexpr size_t kMostDigits = 800;
// Exponents are read only this far: beyond, every number is out of range.
constexpr int64_t kLargestExponent = 1000000000000000;

// Letters and digits as ASCII has them, whatever the locale.
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameLetters(std::string_view text, std::string_view word) {
    return text.size() >= word.size() && std::equal(word.begin(), word.end(), text.begin(),
                                                    [](char w, char t) { return Lower(t) == w; });
}

// The parts of decimal text: digits * 10^exponent, the digits without
// leading zeros (none when the number is zero).
struct DecimalText {
    std::string digits;
    int64_t exponent = 0;
};

// Reads digits, a point and an exponent from the start of `text`; false when
// the whole text is not that.
bool ReadDecimal(std::string_view text, DecimalText& out) {
    size_t i = 0, digitCount = 0;
    bool more = false;  // nonzero digits dropped past kMostDigits
    int64_t dropped = 0, afterPoint = 0;
    auto take = [&](char c) {
        ++digitCount;
        if (out.digits.empty() && c == '0') return;
        if (out.digits.size() < kMostDigits) {
            out.digits += c;
        } else {
            more = more || c != '0';
            ++dropped;
        }
    };
    for (; i < text.size() && IsDigit(text[i]); ++i) take(text[i]);
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i) {
            take(text[i]);
            ++afterPoint;
        }
    }
    if (digitCount == 0) return false;
    int64_t exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        const bool negative = j < text.size() && text[j] == '-';
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) ++j;
        if (j == text.size()) return false;
        for (; j < text.size() && IsDigit(text[j]); ++j)
            exponent = std::min(exponent * 10 + (text[j] - '0'), kLargestExponent);
        if (negative) exponent = -exponent;
        i = j;
    }
    if (i != text.size()) return false;
    // Dropped digits are whole places; the first of them, if not zero, stands
    // for all that were not.
    if (more) {
        out.digits += '1';
        --dropped;
    }
    out.exponent = exponent - afterPoint + dropped;
    return true;
}

// Compares num/den with mantissa * 2^exponent.
int CompareWith(const BigUnsigned& num, const BigUnsigned& den, uint64_t mantissa, int exponent) {
    BigUnsigned left = num, right(mantissa);
    right.MultiplyBy(den);
    if (exponent >= 0)
        right.ShiftLeft(exponent);
    else
        left.ShiftLeft(-exponent);
    return Compare(left, right);
}

// The number of format `f` nearest to the positive decimal number `d`,
// halfway to the even one; an exponent past f.maxExponent for a number too
// large for it, a zero mantissa for one nearer to 0 than to any other.
BinaryFloat Nearest(const DecimalText& d, const FloatFormat& f) {
    BigUnsigned num = BigUnsigned::FromDecimal(d.digits), den(1);
    if (d.exponent >= 0)
        num.MultiplyByPowerOf10(static_cast<int>(d.exponent));
    else
        den.MultiplyByPowerOf10(static_cast<int>(-d.exponent));
    // A first guess from the leading binary digits, then steps of one unit
    // of the last place until the number is nearest.
    const double ratio =
        static_cast<double>(num.Leading64()) / static_cast<double>(den.Leading64());
    int twos = 0;
    const double fraction = std::frexp(ratio, &twos);          // in [0.5, 1)
    const int top = twos + num.BitLength() - den.BitLength();  // below 2^top
    const uint64_t hidden = uint64_t{1} << (f.precision - 1), limit = hidden << 1;
    BinaryFloat b{0, std::max(top - f.precision, f.minExponent)};
    b.mantissa = static_cast<uint64_t>(std::ldexp(fraction, top - b.exponent));
    if (b.mantissa >= limit) {
        b.mantissa >>= 1;
        ++b.exponent;
    }
    // Past the largest finite number: the infinity, unless nearer to that one.
    if (b.exponent > f.maxExponent) b = {hidden, f.maxExponent + 1};
    const auto up = [&] {
        if (++b.mantissa == limit) {
            b.mantissa = hidden;
            ++b.exponent;
        }
    };
    const auto down = [&] {
        if (b.mantissa == hidden && b.exponent > f.minExponent) {
            b.mantissa = limit - 1;
            --b.exponent;
        } else {
            --b.mantissa;
        }
    };
    for (;;) {
        const bool odd = b.mantissa % 2 == 1;
        // Halfway to the next number above, and to the next below.
        const int above = b.exponent > f.maxExponent
                              ? -1
                              : CompareWith(num, den, 2 * b.mantissa + 1, b.exponent - 1);
        if (above > 0 || (above == 0 && odd)) {
            up();
            continue;
        }
        if (b.mantissa == 0) return b;
        const bool nearerBelow = b.mantissa == hidden && b.exponent > f.minExponent;
        const int below = nearerBelow ? CompareWith(num, den, 4 * b.mantissa - 1, b.exponent - 2)
                                      : CompareWith(num, den, 2 * b.mantissa - 1, b.exponent - 1);
        if (below < 0 || (below == 0 && odd)) {
            down();
            continue;
        }
        return b;
    }
}

template <typename T>
bool Read(std::string_view text, T& out) {
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) text.remove_prefix(1);
    if (SameLetters(text, "inf")) {
        if (text.size() != 3 && !(text.size() == 8 && SameLetters(text, "infinity"))) return false;
        out = negative ? -std::numeric_limits<T>::infinity() : std::numeric_limits<T>::infinity();
        return true;
    }
    if (SameLetters(text, "nan")) {
        const std::string_view rest = text.substr(3);
        if (!rest.empty() && (rest.front() != '(' || rest.back() != ')' ||
                              !std::all_of(rest.begin() + 1, rest.end() - 1, [](char c) {
                                  return IsDigit(c) || (Lower(c) >= 'a' && Lower(c) <= 'z') ||
                                         c == '_';
                              })))
            return false;
        const T nan = std::numeric_limits<T>::quiet_NaN();
        out = negative ? -nan : nan;
        return true;
    }
    DecimalText d;
    if (!ReadDecimal(text, d)) return false;
    constexpr FloatFormat f = FloatLayout<T>::kFormat;
    if (d.digits.empty()) {
        out = negative ? -T(0) : T(0);
        return true;
    }
    // Far beyond the format's range either way (its largest numbers are below
    // 10^(maxExponent/3 + 17), its smallest above 10^(minExponent/3 - 1)).
    const int64_t magnitude = d.exponent + static_cast<int64_t>(d.digits.size());
    if (magnitude > (f.maxExponent + f.precision) / 3 + 2 || magnitude < f.minExponent / 3 - 2)
        return false;
    const BinaryFloat b = Nearest(d, f);
    if (b.mantissa == 0 || b.exponent > f.maxExponent) return false;
    out = Compose<T>(negative, b);
    return true;
}

}  // namespace

bool TextNumber(std::string_view text, double& out) {
    return Read(text, out);
}

bool TextNumber(std::string_view text, float& out) {
    return Read(text, out);
}

}  // namespace krepogor
