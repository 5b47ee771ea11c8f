#include "desktop/FrameDamage.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace krepogor {

FrameDamage::FrameDamage(int width, int height)
    : width_(width), height_(height), shown_(static_cast<size_t>(width) * height) {}

std::vector<Rect> FrameDamage::Take(const uint32_t* pixels, int stride) {
    std::vector<Rect> damage;
    const size_t rowBytes = static_cast<size_t>(width_) * sizeof(uint32_t);
    if (!known_) {
        for (int y = 0; y < height_; ++y)
            std::memcpy(&shown_[static_cast<size_t>(y) * width_],
                        pixels + static_cast<ptrdiff_t>(y) * stride, rowBytes);
        known_ = true;
        damage.push_back({0, 0, width_, height_});
        return damage;
    }
    for (int ty = 0; ty < height_; ty += kTile) {
        const int th = std::min(kTile, height_ - ty);
        int first = -1, last = -1;
        for (int tx = 0; tx < width_; tx += kTile) {
            const int tw = std::min(kTile, width_ - tx);
            const size_t bytes = static_cast<size_t>(tw) * sizeof(uint32_t);
            bool changed = false;
            for (int y = ty; y < ty + th; ++y) {
                uint32_t* old = &shown_[static_cast<size_t>(y) * width_ + tx];
                const uint32_t* now = pixels + static_cast<ptrdiff_t>(y) * stride + tx;
                if (changed || std::memcmp(old, now, bytes) != 0) {
                    changed = true;
                    std::memcpy(old, now, bytes);
                }
            }
            if (!changed) continue;
            // Rows above the first difference were equal, so copying from
            // there on keeps the whole tile up to date.
            if (first < 0) first = tx;
            last = tx + tw;
        }
        if (first >= 0) damage.push_back({first, ty, last - first, th});
    }
    return damage;
}

}  // namespace krepogor
