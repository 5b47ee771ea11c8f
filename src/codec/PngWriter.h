#pragma once

#include <cstdint>
#include <string>

namespace krepogor {

// Writes w x h pixels of 0x00RRGGBB, row by row, as an opaque PNG file.
bool SavePng(const std::string& path, const uint32_t* px, int w, int h, std::string& error);

}  // namespace krepogor
