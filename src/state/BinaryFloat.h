#pragma once

#include <cstdint>
#include <cstring>

namespace krepogor {

// What a binary floating-point type holds: value = mantissa * 2^exponent,
// the mantissa below 2^precision.
struct FloatFormat {
    int precision;    // binary digits of a mantissa, its leading one included
    int minExponent;  // the exponent of the smallest numbers (the subnormal ones)
    int maxExponent;  // the exponent of the largest finite numbers
};

template <typename T>
struct FloatLayout;

template <>
struct FloatLayout<double> {
    using Bits = uint64_t;
    static constexpr FloatFormat kFormat{53, -1074, 971};
};

template <>
struct FloatLayout<float> {
    using Bits = uint32_t;
    static constexpr FloatFormat kFormat{24, -149, 104};
};

// A finite number, without its sign, as a whole mantissa and a power of two.
struct BinaryFloat {
    uint64_t mantissa = 0;
    int exponent = 0;
};

template <typename T>
BinaryFloat Decompose(T v) {
    constexpr FloatFormat f = FloatLayout<T>::kFormat;
    typename FloatLayout<T>::Bits bits;
    std::memcpy(&bits, &v, sizeof bits);
    const uint64_t fraction = bits & ((uint64_t{1} << (f.precision - 1)) - 1);
    const int biased =
        static_cast<int>((bits >> (f.precision - 1)) & (f.maxExponent - f.minExponent + 2));
    if (biased == 0) return {fraction, f.minExponent};
    return {fraction | (uint64_t{1} << (f.precision - 1)), f.minExponent + biased - 1};
}

// The number `b` stands for, with the sign; b's mantissa below 2^precision,
// a subnormal one with the smallest exponent, an exponent past the largest
// for the infinity.
template <typename T>
T Compose(bool negative, const BinaryFloat& b) {
    constexpr FloatFormat f = FloatLayout<T>::kFormat;
    using Bits = typename FloatLayout<T>::Bits;
    const uint64_t hidden = uint64_t{1} << (f.precision - 1);
    Bits bits;
    if (b.exponent > f.maxExponent)
        bits = static_cast<Bits>(uint64_t(f.maxExponent - f.minExponent + 2) << (f.precision - 1));
    else if (b.mantissa < hidden)
        bits = static_cast<Bits>(b.mantissa);
    else
        bits = static_cast<Bits>((uint64_t(b.exponent - f.minExponent + 1) << (f.precision - 1)) |
                                 (b.mantissa - hidden));
    if (negative) bits |= static_cast<Bits>(Bits{1} << (sizeof(Bits) * 8 - 1));
    T v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

}  // namespace krepogor
