#pragma once

struct SDL_Window;

namespace krepogor {

// Asks the window manager for the frame it will put around `window`, which
// has not shown yet, and waits a moment for the answer, so that the window's
// first place already counts its title bar (SDL_GetWindowBordersSize tells
// it then). Where the system knows a frame before a window shows, or the
// window manager cannot tell, it does nothing.
void AskWindowFrame(SDL_Window* window);

}  // namespace krepogor
