#include "desktop/WindowPlacement.h"

#include <algorithm>

#include "desktop/WindowLooks.h"

namespace krepogor {
namespace {

// The start of a span of `size` centred in [from, from + room), moved back
// inside [lo, lo + extent) when it fits there.
int Span(int from, int room, int size, int lo, int extent) {
    const int start = from + (room - size) / 2;
    if (size >= extent) return lo;
    return std::clamp(start, lo, lo + extent - size);
}

// `width` x `height` centred on `on`, kept inside `screen` when it fits.
Rect Centred(const Rect& screen, const Rect& on, int width, int height) {
    return {Span(on.x, on.w, width, screen.x, screen.w),
            Span(on.y, on.h, height, screen.y, screen.h), width, height};
}

}  // namespace

Rect WindowPlacement::Place(const Rect& screen, const WindowLook* shown, const Rect& shownAt,
                            const WindowLook& next, int width, int height) {
    if (shown) left_[shown->name] = shownAt;
    if (next.overOwner && shown) return Centred(screen, shownAt, width, height);
    const auto it = left_.find(next.name);
    if (it != left_.end()) {
        const Rect at{it->second.x, it->second.y, width, height};
        return {Span(at.x, width, width, screen.x, screen.w),
                Span(at.y, height, height, screen.y, screen.h), width, height};
    }
    return Centred(screen, screen, width, height);
}

}  // namespace krepogor
