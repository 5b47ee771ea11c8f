#include "desktop/FrameDamage.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace krepogor {

FrameDamage::FrameDamage(int width, int height)
    : width_(width), height_(height), shown_(static_cast<size_t>(width) * height) {}

std::vector<Rect> FrameDamage::Take(const uint32_t* pixels, int stride,
                                    const std::vector<Rect>& mayDiffer) {
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
    const int across = (width_ + kTile - 1) / kTile, down = (height_ + kTile - 1) / kTile;
    looked_.assign(static_cast<size_t>(across) * down, 0);
    for (const Rect& r : mayDiffer) {
        const int x0 = std::max(r.x, 0), y0 = std::max(r.y, 0);
        const int x1 = std::min(r.Right(), width_), y1 = std::min(r.Bottom(), height_);
        if (x0 >= x1 || y0 >= y1) continue;
        for (int ty = y0 / kTile; ty * kTile < y1; ++ty)
            for (int tx = x0 / kTile; tx * kTile < x1; ++tx)
                looked_[static_cast<size_t>(ty) * across + tx] = 1;
    }
    for (int ty = 0; ty < height_; ty += kTile) {
        const int th = std::min(kTile, height_ - ty);
        int first = -1, last = -1;
        for (int tx = 0; tx < width_; tx += kTile) {
            if (!looked_[static_cast<size_t>(ty / kTile) * across + tx / kTile]) continue;
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
