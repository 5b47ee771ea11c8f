#pragma once

namespace krepogor {

class Game;

// With music on: the interlude plays while a screen interrupts or ends the
// battle, the main music while the menu or the battle is shown.
void ToInterlude(Game& g);
void ToMainMusic(Game& g);

}  // namespace krepogor
