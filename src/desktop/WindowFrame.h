#pragma once

#include "desktop/Rect.h"

namespace krepogor {

// What the window manager draws around a window's client area: the title bar
// above it, the borders on its sides. All zero without a window manager or
// while a window fills the screen.
struct WindowFrame {
    int top = 0, left = 0, bottom = 0, right = 0;

    bool Known() const { return top != 0 || left != 0 || bottom != 0 || right != 0; }
    // The desktop area a client area of `client` takes with its frame.
    Rect Around(const Rect& client) const {
        return {client.x - left, client.y - top, client.w + left + right, client.h + top + bottom};
    }
    bool operator==(const WindowFrame&) const = default;
};

}  // namespace krepogor
