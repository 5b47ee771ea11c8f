#pragma once

namespace krepogor {

// What the player gave the game its last input with: the name box opens its
// keyboard on the screen for a player with a pad or a touchscreen, and shows
// the pad's light only to the pad.
enum class InputKind { Keyboard, Mouse, Touch, Pad };

}  // namespace krepogor
