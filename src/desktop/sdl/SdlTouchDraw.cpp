#include "desktop/sdl/SdlTouchDraw.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "desktop/TouchControls.h"

namespace krepogor {
namespace {

struct Colour {
    uint8_t r, g, b, a;
};

// A shape as one span of pixels a row.
using Spans = std::vector<SDL_Rect>;

void Span(Spans& s, int y, double from, double to) {
    const int x0 = static_cast<int>(std::lround(from)), x1 = static_cast<int>(std::lround(to));
    if (x1 > x0) s.push_back({x0, y, x1 - x0, 1});
}

// A square with rounded corners, `inset` pixels inside `rc`.
Spans RoundedSquare(const Rect& rc, int inset) {
    Spans s;
    const double radius = std::max(rc.w / 6.0 - inset, 1.0);
    const int top = rc.y + inset, bottom = rc.Bottom() - inset;
    for (int y = top; y < bottom; ++y) {
        const double fromEdge = std::min(y - top, bottom - 1 - y) + 0.5;
        const double d = std::max(radius - fromEdge, 0.0);
        const double in = radius - std::sqrt(std::max(radius * radius - d * d, 0.0));
        Span(s, y, rc.x + inset + in, rc.Right() - inset - in);
    }
    return s;
}

// A triangle pointing up or down in the middle of `rc`.
Spans Arrow(const Rect& rc, bool up) {
    Spans s;
    const double w = rc.w * 0.5, h = rc.h * 0.42, cx = rc.x + rc.w / 2.0;
    const int top = rc.y + static_cast<int>(std::lround((rc.h - h) / 2));
    const int rows = static_cast<int>(std::lround(h));
    for (int i = 0; i < rows; ++i) {
        const double half = w / 2 * (up ? i + 1 : rows - i) / rows;
        Span(s, top + i, cx - half, cx + half);
    }
    return s;
}

// A cannonball.
Spans Ball(const Rect& rc) {
    Spans s;
    const double r = rc.w * 0.27, cx = rc.x + rc.w / 2.0, cy = rc.y + rc.h / 2.0;
    for (int y = static_cast<int>(std::floor(cy - r)); y < cy + r; ++y) {
        const double dy = y + 0.5 - cy;
        if (std::abs(dy) >= r) continue;
        const double half = std::sqrt(r * r - dy * dy);
        Span(s, y, cx - half, cx + half);
    }
    return s;
}

// Two upright bars.
Spans PauseBars(const Rect& rc) {
    Spans s;
    const double w = rc.w * 0.13, h = rc.h * 0.46, gap = rc.w * 0.13, cx = rc.x + rc.w / 2.0;
    const int top = rc.y + static_cast<int>(std::lround((rc.h - h) / 2));
    for (int i = 0; i < std::lround(h); ++i) {
        Span(s, top + i, cx - gap / 2 - w, cx - gap / 2);
        Span(s, top + i, cx + gap / 2, cx + gap / 2 + w);
    }
    return s;
}

// A cross, the sign for leaving.
Spans Cross(const Rect& rc) {
    Spans s;
    const double size = rc.w * 0.44, thick = rc.w * 0.11 * std::sqrt(2.0);
    const double cx = rc.x + rc.w / 2.0, cy = rc.y + rc.h / 2.0;
    for (int y = static_cast<int>(std::floor(cy - size / 2)); y < cy + size / 2; ++y) {
        const double d = y + 0.5 - cy;
        const double a = cx + d, b = cx - d;
        if (std::abs(a - b) < thick) {
            Span(s, y, std::min(a, b) - thick / 2, std::max(a, b) + thick / 2);
        } else {
            Span(s, y, a - thick / 2, a + thick / 2);
            Span(s, y, b - thick / 2, b + thick / 2);
        }
    }
    return s;
}

Spans Sign(TouchControl c, const Rect& rc) {
    switch (c) {
        case TouchControl::Up:
            return Arrow(rc, true);
        case TouchControl::Down:
            return Arrow(rc, false);
        case TouchControl::Fire:
            return Ball(rc);
        case TouchControl::Pause:
            return PauseBars(rc);
        case TouchControl::Exit:
            return Cross(rc);
    }
    return {};
}

void Paint(SDL_Renderer* r, const Spans& s, Colour c) {
    SDL_SetRenderDrawColor(r, c.r, c.g, c.b, c.a);
    SDL_RenderFillRects(r, s.data(), static_cast<int>(s.size()));
}

}  // namespace

void DrawTouchControls(SDL_Renderer* r, const TouchLayout& layout, const TouchControls& state) {
    if (!state.Shown()) return;
    // Solid on the bars; over the field the battle shows through.
    const bool solid = layout.inBars;
    const int rim = std::max(layout.side / 24, 1);
    // Drawn again over a battle frame's changed tiles: only where they meet one.
    SDL_Rect clip{0, 0, 0, 0};
    const bool clipped = SDL_RenderIsClipEnabled(r);
    if (clipped) SDL_RenderGetClipRect(r, &clip);
    SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_BLEND);
    for (const TouchLayout::Button& b : layout.buttons) {
        const SDL_Rect at{b.at.x, b.at.y, b.at.w, b.at.h};
        if (clipped && !SDL_HasIntersection(&clip, &at)) continue;
        const bool held = state.Held(b.control);
        const Colour edge = solid ? Colour{138, 129, 112, 255} : Colour{255, 255, 255, 110};
        const Colour face = held    ? (solid ? Colour{96, 88, 72, 255} : Colour{255, 255, 255, 96})
                            : solid ? Colour{40, 40, 40, 255}
                                    : Colour{0, 0, 0, 110};
        const Colour sign = solid || held ? Colour{240, 232, 210, 255} : Colour{255, 255, 255, 220};
        // The rim, then the face inside it: see-through colours must not add up.
        const Spans outer = RoundedSquare(b.at, 0), inner = RoundedSquare(b.at, rim);
        Spans ring;
        for (const SDL_Rect& o : outer) {
            const auto in = std::find_if(inner.begin(), inner.end(),
                                         [&](const SDL_Rect& i) { return i.y == o.y; });
            if (in == inner.end()) {
                ring.push_back(o);
                continue;
            }
            ring.push_back({o.x, o.y, in->x - o.x, 1});
            ring.push_back({in->x + in->w, o.y, o.x + o.w - in->x - in->w, 1});
        }
        Paint(r, ring, edge);
        Paint(r, inner, face);
        Paint(r, Sign(b.control, b.at), sign);
    }
    SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_NONE);
}

}  // namespace krepogor
