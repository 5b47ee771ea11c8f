#pragma once

#include <cstdint>
#include <string>

namespace krepogor {

// Encodes w x h pixels of 0x00RRGGBB, row by row, as an opaque PNG that
// carries the game's mark (see LastFrame); false, with `error`, when SDL
// cannot.
bool PngBytes(const uint32_t* px, int w, int h, std::string& png, std::string& error);

// Writes them to the file `path` (made or replaced).
bool SavePng(const std::string& path, const uint32_t* px, int w, int h, std::string& error);

}  // namespace krepogor
