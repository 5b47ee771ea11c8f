#pragma once

#include <cstdint>

namespace krepogor {

class Game;

// A key pressed on the battle window (also each auto-repeat).
void Form_KeyDown(Game& g, int16_t KeyCode, int16_t Shift);
// A click on upgrade area 0 (speed), 1 (force) or 2 (repair).
void LblMod_Click(Game& g, int16_t Index);
// The mouse over an upgrade area: the hand pointer when a click would buy.
void LblMod_MouseMove(Game& g, int16_t Index);

}  // namespace krepogor
