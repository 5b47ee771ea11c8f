#pragma once

#include <cstdint>
#include <vector>

#include "desktop/Rect.h"

namespace krepogor {

// The last frame handed to the window, kept to find what a new frame changes:
// the two are compared in square tiles, and the changed tiles of each row of
// tiles are joined into one rectangle from the first to the last of them.
class FrameDamage {
public:
    static constexpr int kTile = 32;

    FrameDamage(int width, int height);

    // Takes the new frame (`width` x `height` pixels, rows `stride` pixels
    // apart) as the one shown; returns the rectangles it changed, top to
    // bottom. The first frame changes everything. Only the tiles that meet
    // `mayDiffer` are compared: the frame is the last one elsewhere.
    std::vector<Rect> Take(const uint32_t* pixels, int stride, const std::vector<Rect>& mayDiffer);
    // Forgets the last frame: the next one changes everything.
    void Forget() { known_ = false; }

private:
    int width_, height_;
    std::vector<uint32_t> shown_;
    std::vector<char> looked_;  // the tiles to compare, row by row
    bool known_ = false;
};

}  // namespace krepogor
