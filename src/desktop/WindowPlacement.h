#pragma once

#include <map>
#include <string>

#include "desktop/Rect.h"
#include "desktop/WindowFrame.h"

namespace krepogor {

struct WindowLook;

// Where the game's windows stand on the desktop. The main menu, the battle
// window and the credits are centred on the screen when first shown and
// afterwards come back where the player left them; the rules, the book and the
// ends of a battle are centred on the window they replace, wherever that one
// stands now. A window is kept whole on the screen, its frame included, when
// it fits; one that does not fit shows its title bar at the screen's top left.
// Places are those of client areas, as the player left them, so that a place
// kept in an earlier run comes back the same under any frame.
class WindowPlacement {
public:
    // `next` replaces the window `shown` (nullptr at start), which stands at
    // `shownAt` (its client area, as the player left it), on the desktop area
    // `screen`, each inside a `frame`; returns the client area `next` takes.
    Rect Place(const Rect& screen, const WindowFrame& frame, const WindowLook* shown,
               const Rect& shownAt, const WindowLook& next, int width, int height);
    // The window `name` was left with its client area at `at`: it comes back
    // there (kept on the screen when it fits).
    void Leave(const std::string& name, const Rect& at) { left_[name] = at; }
    // Where each window was left.
    const std::map<std::string, Rect>& Left() const { return left_; }

private:
    std::map<std::string, Rect> left_;  // where each window was when it was last replaced
};

}  // namespace krepogor
