#include "desktop/sdl/SdlPicturePreload.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>

#include <system_error>

#include "desktop/sdl/SdlPictureDecoder.h"
#include "desktop/sdl/SdlStartup.h"
#include "render/PictureHeader.h"
#include "render/PictureLoader.h"

namespace krepogor {
namespace {

// The picture at `path`, decoded only when its header promises a size the
// game could show; null otherwise.
SDL_Surface* DecodeFit(const std::string& path) {
    std::string bytes, error;
    PictureHeader header;
    if (!ReadPictureFile(path, bytes, error) || !ParsePictureHeader(bytes, header, error) ||
        !FitsOnScreen(header))
        return nullptr;
    SDL_Surface* decoded =
        IMG_Load_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1);
    if (!decoded) return nullptr;
    // In the pixels of the window's textures, so that making the texture is
    // a plain copy.
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(decoded, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(decoded);
    return converted;
}

}  // namespace

SdlPicturePreload::SdlPicturePreload(const std::string& resourcesDir,
                                     const std::string& menuBackground, const std::string& appDir)
    : menuReady_(menu_.get_future()) {
    // The decoders are set up here, on the game's thread, so that the helper
    // and the game's own picture loads never set them up at the same time.
    IMG_Init(IMG_INIT_PNG | IMG_INIT_JPG);
    const std::string menuPath = resourcesDir + "/" + menuBackground;
    auto load = [this, resourcesDir, menuPath, appDir] {
        SDL_Surface* menu = nullptr;
        try {
            menu = DecodeFit(menuPath);
        } catch (...) {
            // The game's own load of it will say what went wrong.
        }
        menu_.set_value(menu);
        SdlPictureDecoder decoder;
        LoadPictures(loaded_, decoder, resourcesDir, appDir);
    };
    try {
        done_ = std::async(std::launch::async, load);
    } catch (const std::system_error&) {
        // No thread to spare: everything is loaded here and now.
        done_ = std::async(std::launch::deferred, load);
        done_.wait();
    }
}

SdlPicturePreload::~SdlPicturePreload() {
    if (done_.valid()) done_.wait();
    if (menuReady_.valid()) SDL_FreeSurface(menuReady_.get());
}

SDL_Surface* SdlPicturePreload::TakeMenuBackground() {
    return menuReady_.valid() ? menuReady_.get() : nullptr;
}

void SdlPicturePreload::TakeInto(PictureSet& pics) {
    done_.get();
    TakePictures(pics, loaded_);
}

}  // namespace krepogor
