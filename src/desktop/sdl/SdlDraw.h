#pragma once

#include <SDL.h>

#include <cstdint>

#include "desktop/Rect.h"

namespace krepogor {

// Solid drawing on a renderer in 0xRRGGBB colours.
void SetColour(SDL_Renderer* r, uint32_t rgb);
void Fill(SDL_Renderer* r, const Rect& rc, uint32_t rgb);

}  // namespace krepogor
