#include "codec/PngWriter.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>

namespace krepogor {

bool SavePng(const std::string& path, const uint32_t* px, int w, int h, std::string& error) {
    // SDL only reads the pixels through the surface; the cast does not write.
    SDL_Surface* frame = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(px), w, h, 32,
                                                            w * 4, SDL_PIXELFORMAT_RGB888);
    if (!frame) {
        error = SDL_GetError();
        return false;
    }
    // Opaque RGBA: the unused top byte of each pixel must not become alpha.
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(frame, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(frame);
    if (!rgba) {
        error = SDL_GetError();
        return false;
    }
    const bool ok = IMG_SavePNG(rgba, path.c_str()) == 0;
    if (!ok) error = IMG_GetError();
    SDL_FreeSurface(rgba);
    return ok;
}

}  // namespace krepogor
