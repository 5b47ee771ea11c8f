#include "desktop/sdl/SdlDraw.h"

namespace krepogor {

void SetColour(SDL_Renderer* r, uint32_t rgb) {
    SDL_SetRenderDrawColor(r, static_cast<Uint8>(rgb >> 16), static_cast<Uint8>(rgb >> 8),
                           static_cast<Uint8>(rgb), 255);
}

void Fill(SDL_Renderer* r, const Rect& rc, uint32_t rgb) {
    SetColour(r, rgb);
    const SDL_Rect s{rc.x, rc.y, rc.w, rc.h};
    SDL_RenderFillRect(r, &s);
}

}  // namespace krepogor
