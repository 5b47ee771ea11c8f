#include "desktop/sdl/SdlWindowClass.h"

#include <SDL.h>

#include "desktop/AppId.h"

namespace krepogor {

void NameWindowClass() {
    SDL_setenv("SDL_VIDEO_X11_WMCLASS", kAppId, 0);
    SDL_setenv("SDL_VIDEO_WAYLAND_WMCLASS", kAppId, 0);
}

}  // namespace krepogor
