#pragma once

#include <string>

namespace krepogor {

// How the desktop shows one of the game's windows.
struct WindowLook {
    const char* name;        // the game's name of the window
    const char* caption;     // title bar text
    int width, height;       // client area the game draws in, without the menu bar
    const char* background;  // picture in the resources folder, or nullptr (the battle canvas)
    bool menuBar;            // the battle window's menu bar sits above its client area
    // Shown centred on the window it replaces, every time; the others are centred
    // on the screen when first shown and come back where they were left.
    bool overOwner;
};

// The look of a window by its name, or nullptr for an unknown name.
const WindowLook* LookOf(const std::string& name);

// Height of the menu bar drawn above the battle window's client area.
constexpr int MenuBarHeight = 20;

// Size of the desktop window that shows `look`, menu bar included.
inline int OuterHeight(const WindowLook& look) {
    return look.height + (look.menuBar ? MenuBarHeight : 0);
}
// Top of the game's client area inside the desktop window.
inline int ClientTop(const WindowLook& look) {
    return look.menuBar ? MenuBarHeight : 0;
}

}  // namespace krepogor
