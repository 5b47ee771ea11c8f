#pragma once

#include <cstdint>
#include <string>

namespace krepogor {

class Game;

// The battle window's menu item a function key stands for ("NG" for F2, ...),
// or "" when the key has none.
std::string MenuItemForKey(int16_t keyCode);

// Runs a battle menu item by its name; false when there is no such item.
bool BattleMenu_Click(Game& g, const std::string& item);

// A key pressed on the battle window: a function key runs its menu item,
// every other key goes to the window's key handler.
void BattleWindow_Key(Game& g, int16_t keyCode);

}  // namespace krepogor
