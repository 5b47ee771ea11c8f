#pragma once

#include <cstdint>

namespace krepogor {

// The virtual-key code of a physical key, by its USB HID usage number (the
// numbering SDL's scancodes follow), or 0 for a key the game does not know.
// Going by the physical key makes the keyboard layout and Caps Lock irrelevant:
// the key that carries "P" in the Latin layout and "З" in the Russian one is 80.
int16_t VirtualKeyOf(int scancode);

}  // namespace krepogor
