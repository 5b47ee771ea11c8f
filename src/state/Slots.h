#pragma once

#include <array>
#include <cassert>

namespace krepogor {

// A fixed array indexed from Lo to Hi inclusive, read and written as a(i),
// the way the battle names its slots: KernelFly(1..3), MobLive(1..6), BumLive(0..5).
template <typename T, int Lo, int Hi>
class Slots {
public:
    static constexpr int Lower = Lo;
    static constexpr int Upper = Hi;
    static constexpr int Count = Hi - Lo + 1;

    T& operator()(int i) {
        assert(i >= Lo && i <= Hi);
        return v_[static_cast<size_t>(i - Lo)];
    }
    const T& operator()(int i) const {
        assert(i >= Lo && i <= Hi);
        return v_[static_cast<size_t>(i - Lo)];
    }
    static constexpr bool Has(int i) { return i >= Lo && i <= Hi; }
    void Fill(const T& value) { v_.fill(value); }

private:
    std::array<T, Count> v_{};
};

}  // namespace krepogor
