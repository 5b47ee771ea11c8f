#include "render/Canvas.h"

#include <algorithm>
#include <cstring>

namespace krepogor {
namespace {

// The part of a rectangle at (x, y) that lies inside the client area, and
// where it starts in the source picture.
struct Span {
    int dstX = 0, dstY = 0, srcX = 0, srcY = 0, cols = 0, rows = 0;
    bool Empty() const { return cols <= 0 || rows <= 0; }
};

Span Clip(int x, int y, int w, int h) {
    Span s;
    s.srcX = x < 0 ? -x : 0;
    s.srcY = y < 0 ? -y : 0;
    s.dstX = x + s.srcX;
    s.dstY = y + s.srcY;
    s.cols = std::min(w - s.srcX, Canvas::Width - s.dstX);
    s.rows = std::min(h - s.srcY, Canvas::Height - s.dstY);
    return s;
}

// Calls row(dst, srcY, srcX, cols) for every row of the clipped rectangle.
template <typename RowOp>
void ForEachRow(uint32_t* frame, const Span& s, RowOp row) {
    const int cols = s.cols;
    const int rows = s.rows;
    for (int r = 0; r < rows; ++r)
        row(frame + static_cast<size_t>(s.dstY + r) * Canvas::Width + s.dstX, s.srcY + r, s.srcX,
            cols);
}

const uint32_t* SourceRow(const Picture& p, int y, int x) {
    return p.Pixels.data() + static_cast<size_t>(y) * p.Width + x;
}

}  // namespace

Canvas::Canvas() : px_(static_cast<size_t>(Width) * Height, 0) {}

void Canvas::Fill(const Picture& background) {
    const bool has = background.HasPixels();
    const int cols = has ? std::min(Width, background.Width) : 0;
    const int rows = has ? std::min(Height, background.Height) : 0;
    if (cols < Width || rows < Height) std::fill(px_.begin(), px_.end(), 0u);
    for (int y = 0; y < rows; ++y)
        std::memcpy(&px_[static_cast<size_t>(y) * Width],
                    &background.Pixels[static_cast<size_t>(y) * background.Width],
                    static_cast<size_t>(cols) * sizeof(uint32_t));
}

void Canvas::And(int x, int y, int w, int h, const Picture& mask) {
    if (!mask.HasPixels()) return;
    const Span s = Clip(x, y, std::min(w, mask.Width), std::min(h, mask.Height));
    if (s.Empty()) return;
    ForEachRow(px_.data(), s, [&mask](uint32_t* __restrict d, int sy, int sx, int cols) {
        const uint32_t* __restrict m = SourceRow(mask, sy, sx);
        for (int i = 0; i < cols; ++i) d[i] &= m[i];
    });
}

void Canvas::Or(int x, int y, int w, int h, const Picture& image) {
    if (!image.HasPixels()) return;
    const Span s = Clip(x, y, std::min(w, image.Width), std::min(h, image.Height));
    if (s.Empty()) return;
    ForEachRow(px_.data(), s, [&image](uint32_t* __restrict d, int sy, int sx, int cols) {
        const uint32_t* __restrict p = SourceRow(image, sy, sx);
        for (int i = 0; i < cols; ++i) d[i] |= p[i];
    });
}

void Canvas::AndOr(int x, int y, int w, int h, const Picture& mask, const Picture& image) {
    const int mw = std::min(w, mask.Width), mh = std::min(h, mask.Height);
    const bool same = mw == std::min(w, image.Width) && mh == std::min(h, image.Height);
    if (!same || !mask.HasPixels() || !image.HasPixels()) {
        And(x, y, w, h, mask);
        Or(x, y, w, h, image);
        return;
    }
    const Span s = Clip(x, y, mw, mh);
    if (s.Empty()) return;
    ForEachRow(px_.data(), s, [&mask, &image](uint32_t* __restrict d, int sy, int sx, int cols) {
        const uint32_t* __restrict m = SourceRow(mask, sy, sx);
        const uint32_t* __restrict p = SourceRow(image, sy, sx);
        for (int i = 0; i < cols; ++i) d[i] = (d[i] & m[i]) | p[i];
    });
}

}  // namespace krepogor
