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

constexpr Canvas::Area kWhole{0, 0, Canvas::Width, Canvas::Height};

}  // namespace

Canvas::Canvas() : px_(static_cast<size_t>(Width) * Height, 0), changed_{kWhole} {}

void Canvas::Note(std::vector<Area>& areas, const Area& a) {
    if (!areas.empty() && areas.front() == kWhole) return;
    if (areas.size() >= kMaxAreas || a == kWhole) {
        areas.assign(1, kWhole);
        return;
    }
    areas.push_back(a);
}

void Canvas::Touch(int x, int y, int cols, int rows) {
    const Area a{x, y, cols, rows};
    Note(drawn_, a);
    Note(changed_, a);
}

void Canvas::Fill(const Picture& background) {
    const bool has = background.HasPixels();
    const uint32_t* data = has ? background.Pixels.data() : nullptr;
    const int bw = has ? background.Width : 0, bh = has ? background.Height : 0;
    // A new canvas is black, as one filled with no picture.
    if (data != background_ || bw != backgroundW_ || bh != backgroundH_) drawn_.assign(1, kWhole);
    background_ = data;
    backgroundW_ = bw;
    backgroundH_ = bh;
    const int cols = std::min(Width, bw), rows = std::min(Height, bh);
    for (const Area& a : drawn_) {
        Note(changed_, a);
        for (int y = a.y; y < a.y + a.h; ++y) {
            uint32_t* d = &px_[static_cast<size_t>(y) * Width + a.x];
            const int from = y < rows ? std::clamp(cols - a.x, 0, a.w) : 0;
            if (from > 0)
                std::memcpy(d, SourceRow(background, y, a.x),
                            static_cast<size_t>(from) * sizeof(uint32_t));
            std::fill(d + from, d + a.w, 0u);
        }
    }
    drawn_.clear();
}

void Canvas::And(int x, int y, int w, int h, const Picture& mask) {
    if (!mask.HasPixels()) return;
    const Span s = Clip(x, y, std::min(w, mask.Width), std::min(h, mask.Height));
    if (s.Empty()) return;
    Touch(s.dstX, s.dstY, s.cols, s.rows);
    ForEachRow(px_.data(), s, [&mask](uint32_t* __restrict d, int sy, int sx, int cols) {
        const uint32_t* __restrict m = SourceRow(mask, sy, sx);
        for (int i = 0; i < cols; ++i) d[i] &= m[i];
    });
}

void Canvas::Or(int x, int y, int w, int h, const Picture& image) {
    if (!image.HasPixels()) return;
    const Span s = Clip(x, y, std::min(w, image.Width), std::min(h, image.Height));
    if (s.Empty()) return;
    Touch(s.dstX, s.dstY, s.cols, s.rows);
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
    Touch(s.dstX, s.dstY, s.cols, s.rows);
    ForEachRow(px_.data(), s, [&mask, &image](uint32_t* __restrict d, int sy, int sx, int cols) {
        const uint32_t* __restrict m = SourceRow(mask, sy, sx);
        const uint32_t* __restrict p = SourceRow(image, sy, sx);
        for (int i = 0; i < cols; ++i) d[i] = (d[i] & m[i]) | p[i];
    });
}

}  // namespace krepogor
