#pragma once

#include <string>

namespace krepogor {

class Game;

// The close box of a window: the main menu and the battle window end the
// program without a question; every screen closes as a click on it does.
// Ignored once the program is shutting down.
void CloseRequest(Game& g, const std::string& window);

// A click anywhere on a screen (or on one of its labels) closes it.
void ScreenClick(Game& g, const std::string& window);

}  // namespace krepogor
