#pragma once

namespace krepogor {

// The gun picture (and launch and flash position) for an elevation: element
// angle / 15, kept within the seven pictures 0..6.
inline int GunFrame(int angle) {
    const int n = angle / 15;
    return n < 0 ? 0 : n > 6 ? 6 : n;
}

}  // namespace krepogor
