#include "desktop/sdl/SdlStartup.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "desktop/StartupText.h"
#include "desktop/sdl/SdlFailureBox.h"
#include "desktop/sdl/SdlScreen.h"
#include "desktop/sdl/SystemBox.h"
#include "render/PictureHeader.h"

namespace krepogor {
namespace {

constexpr int kLargestSide = 4096;

// Drivers that draw where no person sees.
bool Unseen(std::string_view driver) {
    return driver == "offscreen" || driver == "dummy" || driver == "evdev";
}

}  // namespace

bool StartVideo(std::string& error) {
    if (SDL_Init(SDL_INIT_TIMER) != 0) {
        error = SDL_GetError();
        return false;
    }
    const char* chosen = std::getenv("SDL_VIDEODRIVER");
    if (chosen && *chosen) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) return true;
        error = std::string(chosen) + ": " + SDL_GetError();
        return false;
    }
    error.clear();
    for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
        const std::string driver = SDL_GetVideoDriver(i);
        if (Unseen(driver)) continue;
        SDL_SetHint(SDL_HINT_VIDEODRIVER, driver.c_str());
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) return true;
        error += (error.empty() ? "" : "; ") + driver + ": " + SDL_GetError();
    }
    if (error.empty()) error = "no video driver";
    return false;
}

void ReportFailure(const std::string& text) {
    std::fprintf(stderr, "krepogor: %s\n", text.c_str());
    const char* driver = SDL_WasInit(SDL_INIT_VIDEO) ? SDL_GetCurrentVideoDriver() : nullptr;
    // The game's own box draws Russian with the game's font whatever the
    // system's locale; the system's box is the fallback (no font, a display
    // of too few colours for a renderer).
    if (driver && !Unseen(driver) && !ShowFailureBox("Крепогор", text)) {
        PrepareForSystemBox();
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Крепогор",
                                 WrapToColumns(text, kBoxColumns).c_str(), nullptr);
    }
}

std::string PictureRefusal(const std::string& path, const std::string& why) {
    return "картинка «" + path + "» не годится: " + why + ".";
}

bool FitsOnScreen(const PictureHeader& header) {
    return header.width <= kLargestSide && header.height <= kLargestSide;
}

void RequireFitPicture(const std::string& path) {
    PictureHeader header;
    std::string why;
    if (ReadPictureHeader(path, header, why) && !FitsOnScreen(header))
        why = std::to_string(header.width) + " x " + std::to_string(header.height) + " точек";
    if (!why.empty()) throw ResourceError(PictureRefusal(path, why));
}

}  // namespace krepogor
