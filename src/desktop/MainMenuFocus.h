#pragma once

#include <string>

#include "desktop/KeyRouting.h"

namespace krepogor {

// The main menu's words as the keys and the pad reach them: none is lit
// until Up, Down or Enter is pressed, which light "Новая Игра" first; Up and
// Down then move the light round the ends, and Enter chooses the lit word.
// The mouse puts the light out, so its look stays its own.
class MainMenuFocus {
public:
    // The lit word's place among the main menu's hot areas, or -1.
    int Lit() const { return lit_; }
    // Up, Down or Choose; returns the hot area chosen, or "".
    std::string Key(MenuKey key);
    // Puts the light out; true when one was lit.
    bool Clear();

private:
    int lit_ = -1;
};

}  // namespace krepogor
