#pragma once

#include <cmath>

namespace krepogor {

// A coordinate held as a floating-point number, as a whole pixel: to the
// nearest integer, halves to the even neighbour (12.5 gives 12, 13.5 gives 14).
// Values far outside any window land far outside it.
inline int ToPixel(double v) {
    constexpr double Far = 1e6;
    if (!(v > -Far && v < Far)) return v > 0 ? static_cast<int>(Far) : -static_cast<int>(Far);
    return static_cast<int>(std::nearbyint(v));
}

}  // namespace krepogor
