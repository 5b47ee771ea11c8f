#pragma once

namespace krepogor {

class Game;

// Whether ball i's hit point (12 pixels right of and below its corner) lies
// strictly inside the picture of enemy k.
bool HitTest(const Game& g, int i, int k);

// Ball i hits enemy k: damage or destroy it, pay, count the kill, sound the
// explosion, spend the ball and place an explosion.
void HitHandling(Game& g, int i, int k);

}  // namespace krepogor
