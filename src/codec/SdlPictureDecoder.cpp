#include "codec/SdlPictureDecoder.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>

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
    measuredPath_.clear();
    PictureHeader header;
    if (!ReadPictureFile(path, measured_, error) || !ParsePictureHeader(measured_, header, error))
        return false;
    measuredPath_ = path;
    width = header.width;
    height = header.height;
    return true;
}

bool SdlPictureDecoder::Decode(const std::string& path, Picture& out, std::string& error) {
    std::string bytes;
    if (path == measuredPath_)
        bytes.swap(measured_);
    else if (!ReadPictureFile(path, bytes, error))
        return false;
    measuredPath_.clear();
    Surface loaded(
        IMG_Load_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1));
    if (!loaded) {
        error = kUndecodablePicture;
        return false;
    }
    // Straight into the picture's own pixels: RGB888 keeps each pixel as
    // 0x00RRGGBB in one 32-bit word.
    out.Width = loaded->w;
    out.Height = loaded->h;
    out.Pixels.resize(static_cast<size_t>(loaded->w) * loaded->h);
    const uint32_t format = loaded->format->format;
    if (SDL_ISPIXELFORMAT_INDEXED(format)) {
        // A picture with a palette is first spread out to whole pixels.
        loaded.reset(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGB888, 0));
        if (!loaded) {
            error = kUndecodablePicture;
            return false;
        }
    }
    if (SDL_ConvertPixels(loaded->w, loaded->h, loaded->format->format, loaded->pixels,
                          loaded->pitch, SDL_PIXELFORMAT_RGB888, out.Pixels.data(),
                          loaded->w * 4) != 0) {
        error = kUndecodablePicture;
        return false;
    }
    for (uint32_t& p : out.Pixels) p &= 0x00FFFFFFu;
    return true;
}

}  // namespace krepogor
