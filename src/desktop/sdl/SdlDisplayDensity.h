#pragma once

#include "desktop/ScreenDensity.h"

struct SDL_Window;

namespace krepogor {

// The density of the display a window stands on, from SDL's dots an inch
// (none where SDL knows none, as on X servers whose screens state no size).
class SdlDisplayDensity : public ScreenDensity {
public:
    explicit SdlDisplayDensity(SDL_Window* window) : window_(window) {}
    std::optional<double> PixelsPerMm() const override;

private:
    SDL_Window* window_;
};

}  // namespace krepogor
