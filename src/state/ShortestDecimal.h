#pragma once

#include <string>

#include "state/BinaryFloat.h"

namespace krepogor {

// A decimal number: digits * 10^exponent, the digits without leading or
// trailing zeros.
struct DecimalNumber {
    std::string digits;
    int exponent = 0;
};

// The fewest decimal digits that read back as the positive number `b` of
// format `f` (read as the nearest number of the format, halfway to the even
// one); of several such, the nearest to `b`, halfway to the even last digit.
DecimalNumber ShortestDecimal(const BinaryFloat& b, const FloatFormat& f);

}  // namespace krepogor
