#pragma once

#include <cstdint>
#include <vector>

#include "state/Picture.h"

namespace krepogor {

// The battle window's off-screen copy of its client area: 926 x 638 pixels,
// 0x00RRGGBB, row by row. Rectangles are copied from the top-left corner of a
// picture with the raster operations of the masked drawing, bitwise on every
// channel; whatever falls outside the client area or the picture is left out.
//
// The canvas keeps where it was drawn on since it last took its background,
// so that taking the same background again restores only those places, and
// where it may have changed since the last `ForgetChanges`, so that whoever
// shows it need look nowhere else.
class Canvas {
public:
    static constexpr int Width = 926;
    static constexpr int Height = 638;

    // A rectangle of canvas pixels, inside the client area.
    struct Area {
        int x = 0, y = 0, w = 0, h = 0;
        bool operator==(const Area&) const = default;
    };

    Canvas();

    const uint32_t* Pixels() const { return px_.data(); }
    uint32_t At(int x, int y) const { return px_[static_cast<size_t>(y) * Width + x]; }

    // Resets the whole area to the top-left of `background`; black where it
    // has no pixels. The background is known by its pixels' place in memory
    // and its size: one changed in place must come as a new picture.
    void Fill(const Picture& background);

    // SRCAND: destination AND source over the w x h rectangle at (x, y).
    void And(int x, int y, int w, int h, const Picture& mask);
    // SRCPAINT: destination OR source.
    void Or(int x, int y, int w, int h, const Picture& image);
    // Both passes in one, for a mask and an image of the same rectangle.
    void AndOr(int x, int y, int w, int h, const Picture& mask, const Picture& image);

    // The places that may differ from the canvas as it was at the last
    // `ForgetChanges` (everything at first), top-left first in drawing order.
    const std::vector<Area>& Changes() const { return changed_; }
    void ForgetChanges() { changed_.clear(); }

private:
    // Past this many places, the whole canvas counts as changed.
    static constexpr size_t kMaxAreas = 256;

    void Touch(int x, int y, int cols, int rows);
    static void Note(std::vector<Area>& areas, const Area& a);

    std::vector<uint32_t> px_;
    // The background last taken, and where the canvas was drawn on since.
    const uint32_t* background_ = nullptr;
    int backgroundW_ = 0, backgroundH_ = 0;
    std::vector<Area> drawn_;
    std::vector<Area> changed_;
};

}  // namespace krepogor
