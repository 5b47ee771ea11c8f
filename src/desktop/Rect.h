#pragma once

namespace krepogor {

// A rectangle of window pixels: left, top, width, height.
struct Rect {
    int x = 0, y = 0, w = 0, h = 0;

    bool Contains(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
    int Right() const { return x + w; }
    int Bottom() const { return y + h; }
    bool operator==(const Rect&) const = default;
};

}  // namespace krepogor
