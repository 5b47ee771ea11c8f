#pragma once

#include <string>

#include "desktop/Rect.h"

namespace krepogor {

// Click areas and labels of the game's windows, in client-area pixels.

// The upgrade area LblMod(0..2) under the point of the battle window, or -1.
int LblModAt(int x, int y);
Rect LblModRect(int index);

// The main menu's hot area under the point ("lbl_new_game", "lbl_credits",
// "lbl_exit"), or "" when there is none.
std::string MainMenuAreaAt(int x, int y);
// The main menu's three hot areas, top to bottom: 0 "lbl_new_game",
// 1 "lbl_credits", 2 "lbl_exit".
constexpr int kMainMenuAreas = 3;
std::string MainMenuAreaName(int index);
Rect MainMenuAreaRect(int index);

// The battle countdown.
constexpr Rect LblCountRect{440, 232, 49, 65};
// The champions' book rows 0..4: names left-aligned, scores right-aligned.
Rect LabelNameRect(int row);
Rect LabelScoreRect(int row);
// The final score on the victory screen, right-aligned.
constexpr Rect LblScoreRect{480, 364, 105, 41};

}  // namespace krepogor
