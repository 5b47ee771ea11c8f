#pragma once

struct SDL_Renderer;

namespace krepogor {

class TouchControls;
struct TouchLayout;

// Draws the touch controls in the window's own pixels (crisp at any size):
// solid on the black bars, see-through over the field; a held one lit.
void DrawTouchControls(SDL_Renderer* r, const TouchLayout& layout, const TouchControls& state);

}  // namespace krepogor
