#include "desktop/KeyRouting.h"

namespace krepogor {
namespace {

// USB HID usage numbers of the keyboard page.
constexpr int kEnter = 40, kEscape = 41, kF10 = 67, kF11 = 68;
constexpr int kRight = 79, kLeft = 80, kDown = 81, kUp = 82;
constexpr int kKeypadEnter = 88;

bool IsScreen(const std::string& shown) {
    return shown == "FrmRules" || shown == "frm_credits" || shown == "FrmLost" ||
           shown == "FrmWin" || shown == "FrmRecords";
}

}  // namespace

KeyUse KeyRouter::Down(const std::string& shown, int scancode, bool repeat, bool menuOpen) {
    if (repeat && scancode == swallowed_) return KeyUse::Ignore;
    if (!repeat) {
        swallowed_ = 0;
        last_ = scancode;
    }
    // Keys that act once a press; the arrows repeat in the menu as in the battle.
    const bool once =
        scancode == kEscape || scancode == kEnter || scancode == kKeypadEnter || scancode == kF10;
    if (shown == "frm_vustrel") {
        if (menuOpen || scancode == kF10) return repeat && once ? KeyUse::Ignore : KeyUse::MenuBar;
        return KeyUse::Battle;
    }
    if (shown == "frm_menu") {
        const bool enter = scancode == kEnter || scancode == kKeypadEnter;
        if (scancode == kUp || scancode == kDown || (enter && !repeat)) return KeyUse::MainMenu;
        return KeyUse::Ignore;
    }
    if (IsScreen(shown) && once && scancode != kF10 && !repeat) return KeyUse::CloseScreen;
    return KeyUse::Ignore;
}

void KeyRouter::Up(int scancode) {
    if (scancode == swallowed_) swallowed_ = 0;
}

std::optional<MenuKey> MenuKeyOf(int scancode) {
    switch (scancode) {
        case kF10:
            return MenuKey::Toggle;
        case kLeft:
            return MenuKey::Left;
        case kRight:
            return MenuKey::Right;
        case kUp:
            return MenuKey::Up;
        case kDown:
            return MenuKey::Down;
        case kEnter:
        case kKeypadEnter:
            return MenuKey::Choose;
        case kEscape:
            return MenuKey::Close;
        default:
            return std::nullopt;
    }
}

bool TogglesFullscreen(int scancode, bool alt) {
    return scancode == kF11 || (alt && (scancode == kEnter || scancode == kKeypadEnter));
}

}  // namespace krepogor
