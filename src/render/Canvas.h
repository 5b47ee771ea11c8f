#pragma once

#include <cstdint>
#include <vector>

#include "state/Picture.h"

namespace krepogor {

// The battle window's off-screen copy of its client area: 926 x 638 pixels,
// 0x00RRGGBB, row by row. Rectangles are copied from the top-left corner of a
// picture with the raster operations of the masked drawing, bitwise on every
// channel; whatever falls outside the client area or the picture is left out.
class Canvas {
public:
    static constexpr int Width = 926;
    static constexpr int Height = 638;

    Canvas();

    const uint32_t* Pixels() const { return px_.data(); }
    uint32_t At(int x, int y) const { return px_[static_cast<size_t>(y) * Width + x]; }

    // Resets the whole area to the top-left of `background`; black where it
    // has no pixels.
    void Fill(const Picture& background);

    // SRCAND: destination AND source over the w x h rectangle at (x, y).
    void And(int x, int y, int w, int h, const Picture& mask);
    // SRCPAINT: destination OR source.
    void Or(int x, int y, int w, int h, const Picture& image);
    // Both passes in one, for a mask and an image of the same rectangle.
    void AndOr(int x, int y, int w, int h, const Picture& mask, const Picture& image);

private:
    std::vector<uint32_t> px_;
};

}  // namespace krepogor
