#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "desktop/DisplayOptions.h"
#include "desktop/Letterbox.h"
#include "desktop/Rect.h"
#include "desktop/Settings.h"
#include "desktop/WindowLooks.h"

struct SDL_Renderer;
struct SDL_Window;

namespace krepogor {

// What the system that shows the game's one SDL window decides about it:
// its size, its place and the full screen. On a desktop (windowed/) the
// window takes the shown game window's size at the factor the player chose,
// stands where the player left it and may fill the screen; in the page (web/)
// it is the canvas, which has the size of the page around it.
class SdlWindowHost {
public:
    virtual ~SdlWindowHost() = default;

    // The factor windows open at; the factor the player chose when it did
    // not fit the screen and a smaller one was taken (none when it fitted).
    virtual double Scale() const = 0;
    virtual std::optional<double> LoweredFrom() const = 0;
    virtual bool Fullscreen() const = 0;
    virtual void ToggleFullscreen(const WindowLook* shown) = 0;
    // The window shows `look` now (nullptr: nothing), after `before`.
    virtual void Show(const WindowLook* before, const WindowLook* look) = 0;
    // The window's size changed (the player, the system or the full screen did it).
    virtual void Resized(const WindowLook* shown) = 0;
    // `shown` stands in the window as `box` says.
    virtual void Fitted(const WindowLook* shown, const Letterbox& box) = 0;
    // Hands what `renderer` drew in the window to the system that shows it:
    // all of it, or only the rectangles `changed` (the window's pixels).
    virtual void Present(SDL_Renderer* renderer, const std::vector<Rect>& changed) = 0;
    // What the next run starts with.
    virtual Settings Remembered(const WindowLook* shown) const = 0;
};

// The host of `window`, which was made hidden at the main menu's size:
// `display` says the factor and whether the game starts filling the screen,
// `places` where the windows were left in an earlier run.
std::unique_ptr<SdlWindowHost> HostWindow(SDL_Window* window, const DisplayOptions& display,
                                          const std::map<std::string, DesktopPoint>& places);

}  // namespace krepogor
