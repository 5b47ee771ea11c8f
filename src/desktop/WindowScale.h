#pragma once

#include "desktop/Rect.h"

namespace krepogor {

// The smallest and largest factors the game's windows open at.
constexpr double kMinScale = 0.25;
constexpr double kMaxScale = 8;

// The factor every window opens at when the player chose none: the largest
// whole number whose battle window (`battleW` x `battleH`, menu bar included)
// fits the usable desktop, or the fraction that fits where even 1 does not.
double DefaultScale(const Rect& usable, int battleW, int battleH);

// The size of the desktop window that shows a `w` x `h` game window at `factor`.
int Scaled(int size, double factor);

// The factor a window the player resized to `outW` x `outH` shows its
// `clientW` x `clientH` game window at, kept within the factors above.
double ScaleOfResized(int clientW, int clientH, int outW, int outH);

}  // namespace krepogor
