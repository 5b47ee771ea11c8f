// SDL counts a page's pixels as 96 an inch times the device's pixel ratio;
// the page knows better how large its CSS pixels are (packaging/web/page.js):
// the canvas holds the screen's own pixels, so many to a CSS pixel.
#include "desktop/sdl/SdlDisplayDensity.h"

#include <SDL.h>
#include <emscripten.h>

namespace krepogor {
namespace {

// The canvas's width in CSS pixels, and how many of those make a millimetre,
// as the page keeps them (0: no page around the program).
EM_JS(double, CanvasCssWidth, (), { return Module.page ? Module.page.canvasCssWidth : 0; });
EM_JS(double, CssPixelsPerMm, (), { return Module.page ? Module.page.cssPixelsPerMm : 0; });

}  // namespace

std::optional<double> SdlDisplayDensity::PixelsPerMm() const {
    int w = 0, h = 0;
    SDL_GetWindowSize(window_, &w, &h);
    const double css = CanvasCssWidth(), perMm = CssPixelsPerMm();
    if (!(css > 0) || !(perMm > 0) || w <= 0) return std::nullopt;
    return w / css * perMm;
}

}  // namespace krepogor
