#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace krepogor {

// The virtual-key code of a key as scripts name it: Esc, P, Up, Down, C, V,
// B, Space, F1..F8, the Russian З, С, М, И (the same physical keys as P, C,
// V, B, in either case), or vk:N.
std::optional<int16_t> KeyCode(const std::string& name);

}  // namespace krepogor
