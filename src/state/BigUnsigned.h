#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace krepogor {

// A whole number of any size, for the exact arithmetic of turning binary
// floating-point numbers into decimal text and back: only what that needs.
class BigUnsigned {
public:
    BigUnsigned() = default;
    explicit BigUnsigned(uint64_t v);

    // The number of the decimal digits in `digits` (no sign, no point).
    static BigUnsigned FromDecimal(const std::string& digits);

    BigUnsigned& MultiplyBy(const BigUnsigned& other);
    BigUnsigned& MultiplyByPowerOf5(int n);
    BigUnsigned& MultiplyByPowerOf10(int n);
    BigUnsigned& ShiftLeft(int bits);

    bool IsZero() const { return limbs_.empty(); }
    // The number of binary digits (0 for zero).
    int BitLength() const;
    // The 64 leading binary digits, the first of them the top bit (zeros
    // follow a shorter number).
    uint64_t Leading64() const;
    // Decimal digits without leading zeros ("0" for zero).
    std::string Decimal() const;

    friend int Compare(const BigUnsigned& a, const BigUnsigned& b);

private:
    void MultiplyAdd(uint32_t factor, uint32_t add);

    std::vector<uint32_t> limbs_;  // least significant first, no leading zero limb
};

}  // namespace krepogor
