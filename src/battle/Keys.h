#pragma once

#include <cstdint>

namespace krepogor {

// Virtual-key codes the battle window acts on. They name physical keys, so the
// Russian letters on the same keys (З, С, М, И) give the same codes.
constexpr int16_t vbKeyEscape = 27;
constexpr int16_t vbKeySpace = 32;
constexpr int16_t vbKeyUp = 38;
constexpr int16_t vbKeyDown = 40;
constexpr int16_t vbKeyB = 66;
constexpr int16_t vbKeyC = 67;
constexpr int16_t vbKeyP = 80;
constexpr int16_t vbKeyV = 86;
constexpr int16_t vbKeyF1 = 112;  // F2..F8 follow on

}  // namespace krepogor
