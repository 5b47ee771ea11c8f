#pragma once

#include <future>
#include <string>

#include "desktop/sdl/SdlFonts.h"
#include "state/PictureSet.h"

namespace krepogor {

// The pictures the start needs, read and decoded on a helper thread while the
// window system starts up, which mostly waits on the display server (in line
// where the system has no threads, see StartHelperWork): first
// the main menu's background, then the files of the game's fonts (asked of
// fontconfig, which takes as long as a dozen pictures), then the battle
// window's pictures. The helper touches nothing but its own pictures and
// runs no game code. The game takes them over on its own thread: the
// background and the fonts for the main menu, the battle's pictures once the
// main menu shows (nothing before the first battle draws them); a picture
// that would not load stops the start there.
class SdlPicturePreload {
public:
    SdlPicturePreload(const std::string& resourcesDir, const std::string& menuBackground,
                      const std::string& appDir);
    // Waits for the helper: nothing of it outlives the start.
    ~SdlPicturePreload();
    SdlPicturePreload(const SdlPicturePreload&) = delete;
    SdlPicturePreload& operator=(const SdlPicturePreload&) = delete;

    // The main menu's background, decoded; without pixels when it is not a
    // picture of a sensible size or would not decode (the caller then loads
    // it itself and says why).
    Picture TakeMenuBackground();
    // The files of the game's fonts, as fontconfig found them.
    FontFiles TakeFontFiles();
    // Waits for the helper, then moves every picture's pixels into `pics`.
    // Throws what the loading threw (PictureLoadError, std::bad_alloc).
    void TakeInto(PictureSet& pics);

private:
    PictureSet loaded_;
    std::promise<Picture> menu_;
    std::future<Picture> menuReady_;
    std::promise<FontFiles> fonts_;
    std::future<FontFiles> fontsReady_;
    std::future<void> done_;
};

}  // namespace krepogor
