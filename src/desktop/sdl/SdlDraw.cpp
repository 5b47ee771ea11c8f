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

void Bevel(SDL_Renderer* r, const Rect& rc, uint32_t topLeft, uint32_t bottomRight) {
    SetColour(r, topLeft);
    SDL_RenderDrawLine(r, rc.x, rc.y, rc.Right() - 1, rc.y);
    SDL_RenderDrawLine(r, rc.x, rc.y, rc.x, rc.Bottom() - 1);
    SetColour(r, bottomRight);
    SDL_RenderDrawLine(r, rc.x, rc.Bottom() - 1, rc.Right() - 1, rc.Bottom() - 1);
    SDL_RenderDrawLine(r, rc.Right() - 1, rc.y, rc.Right() - 1, rc.Bottom() - 1);
}

}  // namespace krepogor
