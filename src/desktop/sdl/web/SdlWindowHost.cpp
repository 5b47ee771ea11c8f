// The page's canvas: it fills the page below the page's own line of buttons,
// at the screen's own pixels, whatever the game shows; each of the game's
// windows stands in it scaled to fit on black bars, as on a desktop's full
// screen. The page (packaging/web/page.js) tells the canvas's pixels and
// hears what the game shows where; it answers F11 and Alt+Enter itself,
// while the key is down, as the browser grants the full screen only then.
#include "desktop/sdl/SdlWindowHost.h"

#include <SDL.h>
#include <emscripten.h>

namespace krepogor {
namespace {

// The canvas's size in the screen's pixels, as the page counts them.
EM_JS(int, PageCanvasPixels, (int across), {
    const pixels = Module.page.canvasPixels();
    return Math.max(pixels[across ? 0 : 1], 1);
});

EM_JS(void, TellPageShown, (const char* name, int x, int y, int w, int h),
      { Module.page.gameShows(UTF8ToString(name), x, y, w, h); });

class PageCanvas : public SdlWindowHost {
public:
    explicit PageCanvas(SDL_Window* window) : window_(window) { FillPage(); }

    double Scale() const override { return 1; }
    std::optional<double> LoweredFrom() const override { return std::nullopt; }
    bool Fullscreen() const override { return false; }
    void ToggleFullscreen(const WindowLook*) override {}
    void Show(const WindowLook*, const WindowLook*) override { FillPage(); }
    void Resized(const WindowLook*) override { FillPage(); }

    void Fitted(const WindowLook* shown, const Letterbox& box) override {
        const Rect at = box.Picture();
        TellPageShown(shown ? shown->name : "", at.x, at.y, at.w, at.h);
    }

    // Nothing of the page's canvas is the player's to keep.
    Settings Remembered(const WindowLook*) const override { return {}; }

private:
    // SDL sizes the canvas in CSS pixels when the page changes; the game
    // gives it the screen's.
    void FillPage() {
        const int w = PageCanvasPixels(1), h = PageCanvasPixels(0);
        int now_w = 0, now_h = 0;
        SDL_GetWindowSize(window_, &now_w, &now_h);
        if (w != now_w || h != now_h) SDL_SetWindowSize(window_, w, h);
    }

    SDL_Window* window_;
};

}  // namespace

std::unique_ptr<SdlWindowHost> HostWindow(SDL_Window* window, const DisplayOptions&,
                                          const std::map<std::string, DesktopPoint>&) {
    return std::make_unique<PageCanvas>(window);
}

}  // namespace krepogor
