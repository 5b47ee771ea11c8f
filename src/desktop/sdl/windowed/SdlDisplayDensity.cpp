#include "desktop/sdl/SdlDisplayDensity.h"

#include <SDL.h>

#include <algorithm>

namespace krepogor {

std::optional<double> SdlDisplayDensity::PixelsPerMm() const {
    // The window is never drawn finer than its size: its pixels are the display's.
    const int display = std::max(SDL_GetWindowDisplayIndex(window_), 0);
    float diagonal = 0, across = 0, down = 0;
    if (SDL_GetDisplayDPI(display, &diagonal, &across, &down) != 0 || !(across > 0))
        return std::nullopt;
    return across / 25.4;
}

}  // namespace krepogor
