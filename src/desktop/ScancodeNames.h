#pragma once

#include <optional>
#include <string>

namespace krepogor {

// The physical key (its USB HID usage number, as SDL's scancodes) a key name
// of settings.ini stands for: SDL's own names of the keys ("A", "1", "Space",
// "Return", "Up", "Left Ctrl", "Keypad 8", "[", "F5", "Escape" ...), in any
// case, and the letters of the Russian layout by their place on the keyboard
// ("З" and "з" are P). None for a name it does not know.
std::optional<int> ScancodeOfName(const std::string& name);

}  // namespace krepogor
