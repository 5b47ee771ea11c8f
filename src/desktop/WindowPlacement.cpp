#include "desktop/WindowPlacement.h"

#include <algorithm>

#include "desktop/WindowLooks.h"

namespace krepogor {
namespace {

// A span of `size` starting at `start`, moved inside [lo, lo + extent) when
// it fits there, else starting at `lo`.
int Inside(int start, int size, int lo, int extent) {
    if (size >= extent) return lo;
    return std::clamp(start, lo, lo + extent - size);
}

// `outer` (a window with its frame) moved whole onto `screen` where it fits.
Rect OnScreen(const Rect& screen, const Rect& outer) {
    return {Inside(outer.x, outer.w, screen.x, screen.w),
            Inside(outer.y, outer.h, screen.y, screen.h), outer.w, outer.h};
}

}  // namespace

Rect WindowPlacement::Place(const Rect& screen, const WindowFrame& frame, const WindowLook* shown,
                            const Rect& shownAt, const WindowLook& next, int width, int height) {
    if (shown) left_[shown->name] = shownAt;
    Rect client{0, 0, width, height};
    const auto it = left_.find(next.name);
    if (next.overOwner && shown) {
        // Centred on the window it replaces: the two frames are alike.
        client.x = shownAt.x + (shownAt.w - width) / 2;
        client.y = shownAt.y + (shownAt.h - height) / 2;
    } else if (it != left_.end()) {
        client.x = it->second.x;
        client.y = it->second.y;
    } else {
        // Centred on the screen with its frame.
        const Rect outer = frame.Around(client);
        client.x = screen.x + (screen.w - outer.w) / 2 + frame.left;
        client.y = screen.y + (screen.h - outer.h) / 2 + frame.top;
    }
    const Rect outer = OnScreen(screen, frame.Around(client));
    return {outer.x + frame.left, outer.y + frame.top, width, height};
}

}  // namespace krepogor
