#include "state/BigUnsigned.h"

namespace krepogor {

BigUnsigned::BigUnsigned(uint64_t v) {
    for (; v != 0; v >>= 32) limbs_.push_back(static_cast<uint32_t>(v));
}

void BigUnsigned::MultiplyAdd(uint32_t factor, uint32_t add) {
    uint64_t carry = add;
    for (uint32_t& limb : limbs_) {
        const uint64_t t = uint64_t{limb} * factor + carry;
        limb = static_cast<uint32_t>(t);
        carry = t >> 32;
    }
    if (carry != 0) limbs_.push_back(static_cast<uint32_t>(carry));
}

BigUnsigned BigUnsigned::FromDecimal(const std::string& digits) {
    BigUnsigned n;
    size_t i = 0;
    // Nine digits at a time, the first group as long as the rest leaves.
    size_t group = digits.size() % 9 == 0 ? 9 : digits.size() % 9;
    while (i < digits.size()) {
        uint32_t chunk = 0, scale = 1;
        for (size_t k = 0; k < group; ++k) {
            chunk = chunk * 10 + static_cast<uint32_t>(digits[i + k] - '0');
            scale *= 10;
        }
        n.MultiplyAdd(scale, chunk);
        i += group;
        group = 9;
    }
    return n;
}

BigUnsigned& BigUnsigned::MultiplyBy(const BigUnsigned& other) {
    if (IsZero() || other.IsZero()) {
        limbs_.clear();
        return *this;
    }
    std::vector<uint32_t> product(limbs_.size() + other.limbs_.size(), 0);
    for (size_t i = 0; i < limbs_.size(); ++i) {
        uint64_t carry = 0;
        for (size_t j = 0; j < other.limbs_.size(); ++j) {
            const uint64_t t = uint64_t{limbs_[i]} * other.limbs_[j] + product[i + j] + carry;
            product[i + j] = static_cast<uint32_t>(t);
            carry = t >> 32;
        }
        product[i + other.limbs_.size()] = static_cast<uint32_t>(carry);
    }
    while (!product.empty() && product.back() == 0) product.pop_back();
    limbs_ = std::move(product);
    return *this;
}

BigUnsigned& BigUnsigned::MultiplyByPowerOf5(int n) {
    constexpr uint32_t kFive13 = 1220703125;  // 5^13, the largest power of 5 in 32 bits
    for (; n >= 13; n -= 13) MultiplyAdd(kFive13, 0);
    uint32_t rest = 1;
    for (; n > 0; --n) rest *= 5;
    if (rest != 1) MultiplyAdd(rest, 0);
    return *this;
}

BigUnsigned& BigUnsigned::MultiplyByPowerOf10(int n) {
    return MultiplyByPowerOf5(n).ShiftLeft(n);
}

BigUnsigned& BigUnsigned::ShiftLeft(int bits) {
    if (IsZero() || bits == 0) return *this;
    const int whole = bits / 32, part = bits % 32;
    if (part != 0) {
        uint32_t carry = 0;
        for (uint32_t& limb : limbs_) {
            const uint32_t next = limb >> (32 - part);
            limb = (limb << part) | carry;
            carry = next;
        }
        if (carry != 0) limbs_.push_back(carry);
    }
    limbs_.insert(limbs_.begin(), static_cast<size_t>(whole), 0);
    return *this;
}

int BigUnsigned::BitLength() const {
    if (IsZero()) return 0;
    int top = 0;
    for (uint32_t v = limbs_.back(); v != 0; v >>= 1) ++top;
    return static_cast<int>(limbs_.size() - 1) * 32 + top;
}

uint64_t BigUnsigned::Leading64() const {
    const int length = BitLength();
    uint64_t out = 0;
    for (int bit = length - 1; bit >= length - 64; --bit) {
        const uint64_t digit =
            bit < 0 ? 0 : (limbs_[static_cast<size_t>(bit / 32)] >> (bit % 32)) & 1u;
        out = (out << 1) | digit;
    }
    return out;
}

std::string BigUnsigned::Decimal() const {
    if (IsZero()) return "0";
    std::vector<uint32_t> rest = limbs_;
    std::string reversed;
    while (!rest.empty()) {
        // Divides by 10^9 and writes the remainder's nine digits, last first.
        uint64_t remainder = 0;
        for (size_t i = rest.size(); i-- > 0;) {
            const uint64_t t = (remainder << 32) | rest[i];
            rest[i] = static_cast<uint32_t>(t / 1000000000u);
            remainder = t % 1000000000u;
        }
        while (!rest.empty() && rest.back() == 0) rest.pop_back();
        for (int k = 0; k < 9; ++k) {
            reversed += static_cast<char>('0' + remainder % 10);
            remainder /= 10;
        }
    }
    while (reversed.size() > 1 && reversed.back() == '0') reversed.pop_back();
    return std::string(reversed.rbegin(), reversed.rend());
}

int Compare(const BigUnsigned& a, const BigUnsigned& b) {
    if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
    for (size_t i = a.limbs_.size(); i-- > 0;)
        if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
    return 0;
}

}  // namespace krepogor
