#pragma once

#include <SDL.h>

#include <cstdint>

#include "desktop/Rect.h"

namespace krepogor {

// Solid drawing on a renderer in 0xRRGGBB colours.
void SetColour(SDL_Renderer* r, uint32_t rgb);
void Fill(SDL_Renderer* r, const Rect& rc, uint32_t rgb);
// A one-pixel frame lit from the top left: `topLeft` on the top and left
// edges, `bottomRight` on the others.
void Bevel(SDL_Renderer* r, const Rect& rc, uint32_t topLeft, uint32_t bottomRight);

// The colours of the game's boxes.
constexpr uint32_t kBoxFace = 0xD4D0C8;
constexpr uint32_t kBoxLight = 0xFFFFFF;
constexpr uint32_t kBoxShadow = 0x808080;
constexpr uint32_t kBoxDark = 0x404040;
constexpr uint32_t kBoxText = 0x000000;
constexpr uint32_t kBoxTitle = 0x0A246A;

}  // namespace krepogor
