#pragma once

#include <string>

#include "desktop/Rect.h"
#include "desktop/WindowFrame.h"

namespace krepogor {

// The smallest and largest factors the game's windows open at.
constexpr double kMinScale = 0.25;
constexpr double kMaxScale = 8;
// The smallest factor a window the player resizes may take: at half its size
// every word in it is still readable.
constexpr double kMinResizedScale = 0.5;

// The largest factor at which the battle window (`battleW` x `battleH`, menu
// bar included) fits the usable desktop with its frame; infinity when the
// desktop's size is not known, where any factor goes.
double FitScale(const Rect& usable, const WindowFrame& frame, int battleW, int battleH);

// The factor every window opens at when the player chose none, given the
// FitScale `fit`: the largest whole number that fits, or the fraction that
// fits where even 1 does not; 1 on a desktop of no known size.
double DefaultScale(double fit);

// The factor the windows open at when the player chose `chosen`: that one
// when its battle window fits, else the default, which does.
double FittingScale(double chosen, double fit);

// The line that tells the player their factor was lowered.
std::string LoweredScaleText(double chosen, double scale);

// The size of the desktop window that shows a `w` x `h` game window at `factor`.
int Scaled(int size, double factor);

// The factor a window the player resized to `outW` x `outH` shows its
// `clientW` x `clientH` game window at, kept between kMinResizedScale and the
// FitScale `fit`, so that the next start opens windows that can be used.
double ScaleOfResized(int clientW, int clientH, int outW, int outH, double fit);

}  // namespace krepogor
