#include "state/NumberText.h"

#include <charconv>
#include <cmath>

#include "state/BigUnsigned.h"
#include "state/ShortestDecimal.h"

namespace krepogor {
namespace {

std::string Scientific(const DecimalNumber& d) {
    std::string out = d.digits;
    if (out.size() > 1) out.insert(1, 1, '.');
    const int exponent = d.exponent + static_cast<int>(d.digits.size()) - 1;
    out += exponent < 0 ? "e-" : "e+";
    if (std::abs(exponent) < 10) out += '0';
    return out + std::to_string(std::abs(exponent));
}

// Fixed notation of a number with digits after the point.
std::string Fractional(const DecimalNumber& d) {
    const int whole = static_cast<int>(d.digits.size()) + d.exponent;
    std::string out = d.digits;
    if (whole > 0) return out.insert(static_cast<size_t>(whole), 1, '.');
    return out.insert(0, static_cast<size_t>(2 - whole), '0').replace(1, 1, 1, '.');
}

// A whole number in fixed notation: every digit of its exact value (its
// shortest digits may stop short of the ones place).
std::string Whole(const BinaryFloat& b) {
    if (b.exponent < 0) return std::to_string(b.mantissa >> -b.exponent);
    return BigUnsigned(b.mantissa).ShiftLeft(b.exponent).Decimal();
}

template <typename T>
std::string FloatText(T v) {
    if (std::isnan(v)) return std::signbit(v) ? "-nan" : "nan";
    const std::string sign = std::signbit(v) ? "-" : "";
    if (std::isinf(v)) return sign + "inf";
    if (v == 0) return sign + "0";
    const BinaryFloat b = Decompose(v);
    const DecimalNumber d = ShortestDecimal(b, FloatLayout<T>::kFormat);
    // Fixed or scientific, whichever is shorter; fixed when they are as long.
    const int length = static_cast<int>(d.digits.size());
    const int sciExponent = d.exponent + length - 1;
    const int sciLength =
        length + (length > 1 ? 1 : 0) + 2 + (std::abs(sciExponent) >= 100 ? 3 : 2);
    const int fixedLength = d.exponent >= 0    ? length + d.exponent
                            : sciExponent >= 0 ? length + 1
                                               : 2 - d.exponent;
    if (sciLength < fixedLength) return sign + Scientific(d);
    return sign + (d.exponent >= 0 ? Whole(b) : Fractional(d));
}

}  // namespace

std::string NumberText(int64_t v) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

std::string NumberText(double v) {
    return FloatText(v);
}

std::string NumberText(float v) {
    return FloatText(v);
}

}  // namespace krepogor
