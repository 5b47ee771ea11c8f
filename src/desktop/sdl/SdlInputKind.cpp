#include "desktop/sdl/SdlInputKind.h"

#include <SDL.h>

#include <cstdlib>

namespace krepogor {
namespace {

std::optional<InputKind> Pointer(Uint32 which) {
    if (which == SDL_TOUCH_MOUSEID) return std::nullopt;
    return InputKind::Mouse;
}

}  // namespace

std::optional<InputKind> InputKindOf(const SDL_Event& e) {
    switch (e.type) {
        case SDL_KEYDOWN:
            if (e.key.windowID == 0) return std::nullopt;
            return InputKind::Keyboard;
        case SDL_TEXTINPUT:
            return InputKind::Keyboard;
        case SDL_MOUSEMOTION:
            return Pointer(e.motion.which);
        case SDL_MOUSEBUTTONDOWN:
            return Pointer(e.button.which);
        case SDL_MOUSEWHEEL:
            return Pointer(e.wheel.which);
        case SDL_FINGERDOWN:
        case SDL_FINGERMOTION:
            return InputKind::Touch;
        case SDL_CONTROLLERBUTTONDOWN:
            return InputKind::Pad;
        case SDL_CONTROLLERAXISMOTION:
            if (std::abs(e.caxis.value) < 16384) return std::nullopt;
            return InputKind::Pad;
        default:
            return std::nullopt;
    }
}

}  // namespace krepogor
