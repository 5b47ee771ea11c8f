#pragma once

#include <optional>

namespace krepogor {

// How many of the window's pixels make a millimetre on the player's screen,
// where the system can tell: on the desktop the display's dots an inch as SDL
// reports them; a page in a browser gives its own from the device's pixel
// ratio. Sizes meant for fingers come from it.
class ScreenDensity {
public:
    virtual ~ScreenDensity() = default;
    virtual std::optional<double> PixelsPerMm() const = 0;
};

}  // namespace krepogor
