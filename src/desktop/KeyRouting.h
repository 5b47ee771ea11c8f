#pragma once

#include <optional>
#include <string>

namespace krepogor {

// Where a key pressed in the desktop window goes.
enum class KeyUse {
    Ignore,
    MainMenu,     // Up, Down or Enter in the main menu: its words lit in turn, the lit one chosen
    CloseScreen,  // Esc or Enter on an information screen or the book: the click that closes it
    MenuBar,      // F10, or any key while a drop-down of the battle menu is open
    Battle,       // the battle window's own keys
};

// Sends keys (by physical key, the USB HID usage numbers SDL's scancodes
// follow) to the window shown. A key that moved the keyboard elsewhere does
// not repeat there: holding Esc on the rules closes them, and the battle under
// them does not take the held key as its own Esc (which asks to leave).
class KeyRouter {
public:
    // A key went down on the game window `shown`; `repeat` when it is held.
    KeyUse Down(const std::string& shown, int scancode, bool repeat, bool menuOpen);
    void Up(int scancode);
    // The key last pressed gave the keyboard to another window, or opened or
    // closed the menu bar.
    void KeyboardMoved() { swallowed_ = last_; }

private:
    int last_ = 0;
    int swallowed_ = 0;
};

// F11, or Enter with Alt held: switches between a window and the full screen,
// wherever the keyboard is.
bool TogglesFullscreen(int scancode, bool alt);

// The keys of the battle menu bar.
enum class MenuKey { Toggle, Left, Right, Up, Down, Choose, Close };
// The menu bar's meaning of a key, if it has one.
std::optional<MenuKey> MenuKeyOf(int scancode);

}  // namespace krepogor
