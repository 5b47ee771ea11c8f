#pragma once

namespace krepogor {

class Game;

// The engine sound device of enemy kind 1, 2, 3 or 6; -1 for the silent kinds 4 and 5.
int EnemySoundDevice(int kind);

// "Stop" to the four enemy sound devices, 0 to 3.
void StopEnemySounds(Game& g);

// With sound on, "Play" to the devices of the sounding enemies still on the
// field: kinds 1, 2, 3, then 6.
void RestartEnemySounds(Game& g);

}  // namespace krepogor
