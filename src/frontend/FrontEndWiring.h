#pragma once

namespace krepogor {

class Game;

// Connects the battle to the front end above it (the book update after a won
// battle, the shutdown) and the menu's music devices to their handlers.
void WireFrontEnd(Game& g);

}  // namespace krepogor
