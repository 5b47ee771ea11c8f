#include "desktop/sdl/SdlPicturePreload.h"

#include <SDL2/SDL_image.h>

#include "codec/SdlPictureDecoder.h"
#include "desktop/sdl/HelperWork.h"
#include "desktop/sdl/SdlGameFonts.h"
#include "desktop/sdl/SdlStartup.h"
#include "platform/Utf8Path.h"
#include "render/PictureHeader.h"
#include "render/PictureLoader.h"

namespace krepogor {
namespace {

// The picture at `path`, decoded only when its header promises a size the
// game could show; without pixels otherwise.
Picture DecodeFit(const std::string& path) {
    SdlPictureDecoder decoder;
    Picture picture;
    std::string error;
    PictureHeader header;
    if (decoder.Measure(path, header.width, header.height, error) && FitsOnScreen(header) &&
        decoder.Decode(path, picture, error))
        return picture;
    return {};
}

}  // namespace

SdlPicturePreload::SdlPicturePreload(const std::string& resourcesDir,
                                     const std::string& menuBackground, const std::string& appDir)
    : menuReady_(menu_.get_future()), fontsReady_(fonts_.get_future()) {
    // The decoders are set up here, on the game's thread, so that the helper
    // and the game's own picture loads never set them up at the same time.
    IMG_Init(IMG_INIT_PNG | IMG_INIT_JPG);
    const std::string menuPath = Utf8Of(PathOf(resourcesDir) / menuBackground);
    auto load = [this, resourcesDir, menuPath, appDir] {
        Picture menu;
        try {
            menu = DecodeFit(menuPath);
        } catch (...) {
            // The game's own load of it will say what went wrong.
        }
        menu_.set_value(std::move(menu));
        FontFiles fonts;
        try {
            fonts = FindFontFiles(kGameFonts);
        } catch (...) {
            // The screen looks them up again.
        }
        fonts_.set_value(std::move(fonts));
        SdlPictureDecoder decoder;
        LoadPictures(loaded_, decoder, resourcesDir, appDir);
    };
    done_ = StartHelperWork(load);
}

SdlPicturePreload::~SdlPicturePreload() {
    if (done_.valid()) done_.wait();
    // The helper asked the system for the game's fonts: give back what that
    // kept (a box asking for a font after this starts afresh).
    ReleaseFontLookup();
}

Picture SdlPicturePreload::TakeMenuBackground() {
    return menuReady_.valid() ? menuReady_.get() : Picture{};
}

FontFiles SdlPicturePreload::TakeFontFiles() {
    return fontsReady_.valid() ? fontsReady_.get() : FontFiles{};
}

void SdlPicturePreload::TakeInto(PictureSet& pics) {
    done_.get();
    TakePictures(pics, loaded_);
}

}  // namespace krepogor
