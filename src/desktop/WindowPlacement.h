#pragma once

#include <map>
#include <string>

#include "desktop/Rect.h"

namespace krepogor {

struct WindowLook;

// Where the game's windows stand on the desktop. The main menu, the battle
// window and the credits are centred on the screen when first shown and
// afterwards come back where the player left them; the rules, the book and the
// ends of a battle are centred on the window they replace, wherever that one
// stands now. A window is kept inside the screen when it fits.
class WindowPlacement {
public:
    // `next` replaces the window `shown` (nullptr at start), which stands at
    // `shownAt` (its client area, as the player left it), on the desktop area
    // `screen`; returns the client area `next` takes.
    Rect Place(const Rect& screen, const WindowLook* shown, const Rect& shownAt,
               const WindowLook& next, int width, int height);
    // The window `name` was left with its client area at `at`: it comes back
    // there (kept inside the screen when it fits).
    void Leave(const std::string& name, const Rect& at) { left_[name] = at; }
    // Where each window was left.
    const std::map<std::string, Rect>& Left() const { return left_; }

private:
    std::map<std::string, Rect> left_;  // where each window was when it was last replaced
};

}  // namespace krepogor
