#include "desktop/sdl/PngWriter.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>

#include <cerrno>
#include <fstream>

#include "desktop/LastFrame.h"
#include "frontend/SystemErrorText.h"
#include "platform/Utf8Path.h"

namespace krepogor {
namespace {

// An SDL stream that appends what is written to a string.
SDL_RWops* StringWriter(std::string& out) {
    SDL_RWops* rw = SDL_AllocRW();
    if (!rw) return nullptr;
    rw->type = SDL_RWOPS_UNKNOWN;
    rw->hidden.unknown.data1 = &out;
    rw->size = [](SDL_RWops* c) {
        return static_cast<Sint64>(static_cast<std::string*>(c->hidden.unknown.data1)->size());
    };
    rw->seek = [](SDL_RWops* c, Sint64 offset, int whence) -> Sint64 {
        // Only where it stands, the end.
        const auto end =
            static_cast<Sint64>(static_cast<std::string*>(c->hidden.unknown.data1)->size());
        if ((whence == RW_SEEK_CUR || whence == RW_SEEK_END) && offset == 0) return end;
        if (whence == RW_SEEK_SET && offset == end) return end;
        return SDL_SetError("a PNG being made is written in order");
    };
    rw->read = [](SDL_RWops*, void*, size_t, size_t) -> size_t { return 0; };
    rw->write = [](SDL_RWops* c, const void* p, size_t size, size_t n) -> size_t {
        static_cast<std::string*>(c->hidden.unknown.data1)
            ->append(static_cast<const char*>(p), size * n);
        return n;
    };
    rw->close = [](SDL_RWops* c) {
        SDL_FreeRW(c);
        return 0;
    };
    return rw;
}

}  // namespace

bool PngBytes(const uint32_t* px, int w, int h, std::string& png, std::string& error) {
    png.clear();
    // SDL only reads the pixels through the surface; the cast does not write.
    SDL_Surface* frame = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(px), w, h, 32,
                                                            w * 4, SDL_PIXELFORMAT_RGB888);
    // Opaque RGBA: the unused top byte of each pixel must not become alpha.
    SDL_Surface* rgba =
        frame ? SDL_ConvertSurfaceFormat(frame, SDL_PIXELFORMAT_RGBA32, 0) : nullptr;
    SDL_FreeSurface(frame);
    SDL_RWops* out = rgba ? StringWriter(png) : nullptr;
    const bool ok = out && IMG_SavePNG_RW(rgba, out, 1) == 0 && png.size() > 33 &&
                    png.compare(12, 4, "IHDR") == 0;
    SDL_FreeSurface(rgba);
    if (!ok) {
        error = "не удаётся составить картинку PNG";
        return false;
    }
    png.insert(33, LastFrameMark());
    return true;
}

bool SavePng(const std::string& path, const uint32_t* px, int w, int h, std::string& error) {
    std::string png;
    if (!PngBytes(px, w, h, png, error)) return false;
    errno = 0;
    std::ofstream file(PathOf(path), std::ios::binary | std::ios::trunc);
    if (file) file.write(png.data(), static_cast<std::streamsize>(png.size()));
    if (file.flush()) return true;
    error = SystemErrorText(errno ? errno : EIO);
    return false;
}

}  // namespace krepogor
