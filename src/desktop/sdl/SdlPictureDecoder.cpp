#include "desktop/sdl/SdlPictureDecoder.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>

#include <cstring>
#include <memory>

#include "render/PictureHeader.h"

namespace krepogor {
namespace {

struct SurfaceFree {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using Surface = std::unique_ptr<SDL_Surface, SurfaceFree>;

}  // namespace

bool SdlPictureDecoder::Measure(const std::string& path, int& width, int& height,
                                std::string& error) {
    PictureHeader header;
    if (!ReadPictureHeader(path, header, error)) return false;
    width = header.width;
    height = header.height;
    return true;
}

bool SdlPictureDecoder::Decode(const std::string& path, Picture& out, std::string& error) {
    Surface loaded(IMG_Load(path.c_str()));
    if (!loaded) {
        error = IMG_GetError();
        return false;
    }
    // RGB888 keeps each pixel as 0x00RRGGBB in one 32-bit word.
    Surface rgb(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGB888, 0));
    if (!rgb) {
        error = SDL_GetError();
        return false;
    }
    out.Width = rgb->w;
    out.Height = rgb->h;
    out.Pixels.resize(static_cast<size_t>(rgb->w) * rgb->h);
    SDL_LockSurface(rgb.get());
    for (int y = 0; y < rgb->h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(
            static_cast<const uint8_t*>(rgb->pixels) + static_cast<size_t>(y) * rgb->pitch);
        uint32_t* dst = &out.Pixels[static_cast<size_t>(y) * rgb->w];
        for (int x = 0; x < rgb->w; ++x) dst[x] = row[x] & 0x00FFFFFFu;
    }
    SDL_UnlockSurface(rgb.get());
    return true;
}

}  // namespace krepogor
