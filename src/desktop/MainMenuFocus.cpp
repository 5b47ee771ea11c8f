#include "desktop/MainMenuFocus.h"

#include "desktop/HotAreas.h"

namespace krepogor {

std::string MainMenuFocus::Key(MenuKey key) {
    if (lit_ < 0) {
        if (key == MenuKey::Up || key == MenuKey::Down || key == MenuKey::Choose) lit_ = 0;
        return "";
    }
    switch (key) {
        case MenuKey::Up:
            lit_ = (lit_ + kMainMenuAreas - 1) % kMainMenuAreas;
            break;
        case MenuKey::Down:
            lit_ = (lit_ + 1) % kMainMenuAreas;
            break;
        case MenuKey::Choose:
            return MainMenuAreaName(lit_);
        default:
            break;
    }
    return "";
}

bool MainMenuFocus::Clear() {
    const bool was = lit_ >= 0;
    lit_ = -1;
    return was;
}

}  // namespace krepogor
