#pragma once

#include "desktop/sdl/SdlFonts.h"

namespace krepogor {

// The fonts the game draws with, at 96 dots per inch (a point is 4/3 pixels):
// the menu bar and the boxes, the countdown, the book's rows and the score.
// The menu bar and the boxes take 17 pixels, whose small letters stand 9
// pixels tall at 1x (capitals 12): readable on a 1280 x 800 screen, where
// the game opens at 1x, and a line still within the menu bar's 20 pixels.
inline const FontSpec kUiFont{"Liberation Sans", false, false, 17};
inline const FontSpec kUiBoldFont{"Liberation Sans", true, false, 17};
inline const FontSpec kCountFont{"Garamond", true, false, 64};  // 48 pt
inline const FontSpec kBookFont{"Arial", true, true, 24};       // 18 pt
inline const FontSpec kScoreFont{"Arial", true, false, 37};     // 27.75 pt
inline const FontSpec kGameFonts[] = {kUiFont, kUiBoldFont, kCountFont, kBookFont, kScoreFont};

}  // namespace krepogor
