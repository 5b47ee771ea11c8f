#include "desktop/sdl/SdlEventWait.h"

#include <SDL.h>

namespace krepogor {

bool WaitForEvent(SDL_Event& e, int timeoutMs) {
    return SDL_WaitEventTimeout(&e, timeoutMs) != 0;
}

}  // namespace krepogor
