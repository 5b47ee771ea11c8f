// The page's canvas: it fills the page below the page's own line of buttons,
// at the screen's own pixels, whatever the game shows; each of the game's
// windows stands in it scaled to fit on black bars, as on a desktop's full
// screen. The page (packaging/web/page.js) tells the canvas's pixels and
// hears what the game shows where; it answers F11 and Alt+Enter itself,
// while the key is down, as the browser grants the full screen only then.
// What the game drew goes to the canvas rectangle by rectangle: SDL's own
// way copies the whole canvas at every picture.
#include "desktop/sdl/SdlWindowHost.h"

#include <SDL.h>
#include <emscripten.h>

#include <algorithm>
#include <vector>

namespace krepogor {
namespace {

// The page's own code, in JavaScript (which clang-format would spoil).
// clang-format off

// The canvas's size in the screen's pixels, as the page counts them.
EM_JS(int, PageCanvasPixels, (int across), {
    const pixels = Module.page.canvasPixels();
    return Math.max(pixels[across ? 0 : 1], 1);
});

// Copies the rectangles (x, y, w, h each) of the window's pixels (SDL's
// XBGR8888: red first in memory, the fourth byte no alpha) to the canvas,
// through one picture of the canvas's size kept between calls.
EM_JS(void, PutRects, (const uint8_t* pixels, int pitch, int width, int height, const int* rects,
                       int count), {
    const page = Module.page;
    const context = page.canvasContext || (page.canvasContext = Module.canvas.getContext('2d'));
    if (!page.picture32 || page.pictureData.width !== width || page.pictureData.height !== height) {
        page.pictureData = context.createImageData(width, height);
        page.picture32 = new Uint32Array(page.pictureData.data.buffer);
    }
    const out = page.picture32;
    for (let i = 0; i < count; ++i) {
        const at = (rects >> 2) + 4 * i;
        const x = HEAP32[at], y = HEAP32[at + 1], w = HEAP32[at + 2], h = HEAP32[at + 3];
        if (w <= 0 || h <= 0) continue;
        for (let row = y; row < y + h; ++row) {
            const from = (pixels + row * pitch + x * 4) >> 2;
            const to = row * width + x;
            out.set(HEAPU32.subarray(from, from + w), to);
            for (let k = to; k < to + w; ++k) out[k] |= 0xff000000;
        }
        context.putImageData(page.pictureData, 0, 0, x, y, w, h);
    }
});

EM_JS(void, TellPageShown, (const char* name, int x, int y, int w, int h), {
    Module.page.gameShows(UTF8ToString(name), x, y, w, h);
});

// clang-format on

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

    void Present(SDL_Renderer* renderer, const std::vector<Rect>& changed) override {
        SDL_RenderFlush(renderer);
        SDL_Surface* surface = SDL_GetWindowSurface(window_);
        if (!surface) return;
        std::vector<int> rects;
        const auto put = [&](const Rect& r) {
            const int x = std::max(r.x, 0), y = std::max(r.y, 0);
            rects.insert(rects.end(), {x, y, std::min(r.Right(), surface->w) - x,
                                       std::min(r.Bottom(), surface->h) - y});
        };
        if (changed.empty()) put({0, 0, surface->w, surface->h});
        for (const Rect& r : changed) put(r);
        PutRects(static_cast<const uint8_t*>(surface->pixels), surface->pitch, surface->w,
                 surface->h, rects.data(), static_cast<int>(rects.size()) / 4);
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
