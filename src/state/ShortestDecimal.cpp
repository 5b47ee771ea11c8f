#include "state/ShortestDecimal.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace krepogor {
namespace {

// Whole numbers in base 10^9, least significant part first: exact and
// written out in decimal without a division.
using Decimal9 = std::vector<uint32_t>;
constexpr uint32_t kBase = 1000000000;

// factor * 10^9 fits in 64 bits.
void Multiply(Decimal9& n, uint32_t factor) {
    uint64_t carry = 0;
    for (uint32_t& part : n) {
        const uint64_t t = uint64_t{part} * factor + carry;
        part = static_cast<uint32_t>(t % kBase);
        carry = t / kBase;
    }
    for (; carry != 0; carry /= kBase) n.push_back(static_cast<uint32_t>(carry % kBase));
}

// 2^exponent, or 5^-exponent for a negative one (2^exponent times 10^-exponent).
Decimal9 PowerOfTwoInDecimal(int exponent) {
    Decimal9 n{1};
    const uint32_t step = exponent >= 0 ? uint32_t{1} << 29 : 1220703125;  // 2^29, 5^13
    const int stepExponent = exponent >= 0 ? 29 : 13;
    int left = exponent >= 0 ? exponent : -exponent;
    for (; left >= stepExponent; left -= stepExponent) Multiply(n, step);
    for (; left > 0; --left) Multiply(n, exponent >= 0 ? 2 : 5);
    return n;
}

// unit * k, in decimal digits (k below 2^63).
std::string Times(const Decimal9& unit, uint64_t k) {
    Decimal9 low = unit, high = unit;
    Multiply(low, static_cast<uint32_t>(k % kBase));
    Multiply(high, static_cast<uint32_t>(k / kBase));
    // low + high * 10^9
    uint32_t carry = 0;
    for (size_t i = 0; i < high.size() || carry != 0; ++i) {
        if (i + 1 >= low.size()) low.resize(i + 2, 0);
        const uint32_t t = low[i + 1] + (i < high.size() ? high[i] : 0) + carry;
        low[i + 1] = t % kBase;
        carry = t / kBase;
    }
    std::string digits(low.size() * 9, '0');
    for (size_t i = 0; i < low.size(); ++i)
        for (size_t place = 0, part = low[i]; place < 9; ++place, part /= 10)
            digits[digits.size() - 1 - i * 9 - place] = static_cast<char>('0' + part % 10);
    return digits;
}

// Adds or takes one from the last digit of a decimal string that has room
// for a carry (it starts with a zero) and is not zero when it is decreased.
void AddOne(std::string& digits) {
    size_t i = digits.size();
    while (digits[--i] == '9') digits[i] = '0';
    ++digits[i];
}

void TakeOne(std::string& digits) {
    size_t i = digits.size();
    while (digits[--i] == '0') digits[i] = '9';
    --digits[i];
}

// Whether the digits of `value` from `end` on make it round up to the digit
// before them: above half, or half with that digit odd.
bool RoundsUp(const std::string& value, size_t end) {
    if (value[end] != '5') return value[end] > '5';
    if (value.find_first_not_of('0', end + 1) != std::string::npos) return true;
    return (value[end - 1] - '0') % 2 == 1;
}

}  // namespace

DecimalNumber ShortestDecimal(const BinaryFloat& b, const FloatFormat& f) {
    // The number and the ends of the numbers that read back as it (halfway to
    // its neighbours; the one below is nearer above a power of two), as whole
    // numbers in units of 2^(exponent - 2), written in decimal with `places`
    // digits after the point.
    const uint64_t m = b.mantissa;
    const bool nearerBelow = m == uint64_t{1} << (f.precision - 1) && b.exponent > f.minExponent;
    const int places = b.exponent >= 2 ? 0 : 2 - b.exponent;
    const Decimal9 unit = PowerOfTwoInDecimal(b.exponent - 2);
    std::string value = Times(unit, 4 * m), low = Times(unit, 4 * m - (nearerBelow ? 1 : 2)),
                high = Times(unit, 4 * m + 2);
    // All of one length, with room for a carry.
    const size_t length = std::max({value.size(), low.size(), high.size()}) + 1;
    for (std::string* s : {&value, &low, &high}) s->insert(0, length - s->size(), '0');
    // Ends that read back as the number themselves when its mantissa is even.
    const bool endsRead = m % 2 == 0;
    // The leading digits, zeros after them, against an end.
    auto against = [](const std::string& digits, const std::string& end) {
        const int c = end.compare(0, digits.size(), digits);
        if (c != 0) return c < 0 ? 1 : -1;
        return end.find_first_not_of('0', digits.size()) == std::string::npos ? 0 : -1;
    };
    auto readsBack = [&](const std::string& digits) {
        const int fromLow = against(digits, low), fromHigh = against(digits, high);
        return endsRead ? fromLow >= 0 && fromHigh <= 0 : fromLow > 0 && fromHigh < 0;
    };
    auto result = [&](const std::string& digits) {
        const size_t from = digits.find_first_not_of('0');
        const size_t last = digits.find_last_not_of('0');
        return DecimalNumber{digits.substr(from, last - from + 1),
                             static_cast<int>(length - 1 - last) - places};
    };
    const size_t first = value.find_first_not_of('0');
    std::string rounded;
    for (size_t end = first + 1; end < length; ++end) {
        // The number rounded to the digits before `end`; when that does not
        // read back, the one on the other side of the number may.
        rounded.assign(value, 0, end);
        const bool up = RoundsUp(value, end);
        if (up) AddOne(rounded);
        if (readsBack(rounded)) return result(rounded);
        up ? TakeOne(rounded) : AddOne(rounded);
        if (readsBack(rounded)) return result(rounded);
    }
    return result(value);  // every digit of the number itself
}

}  // namespace krepogor
