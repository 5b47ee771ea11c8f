#include "desktop/sdl/SdlFailureBox.h"

#include <SDL.h>

#include "desktop/BoxLayout.h"
#include "desktop/sdl/SdlDraw.h"
#include "desktop/sdl/SdlFonts.h"
#include "desktop/sdl/SdlGameFonts.h"

namespace krepogor {
namespace {

// The box's rectangles, moved so that its panel fills the window.
Rect Moved(const Rect& r, const Rect& panel) {
    return {r.x - panel.x, r.y - panel.y, r.w, r.h};
}

void Draw(SDL_Renderer* r, SdlFonts& fonts, const BoxLayout& b, const std::string& title) {
    const Rect panel{0, 0, b.panel.w, b.panel.h};
    Fill(r, panel, kBoxFace);
    Bevel(r, panel, kBoxLight, kBoxDark);
    const Rect bar = Moved(b.titleBar, b.panel);
    Fill(r, bar, kBoxTitle);
    fonts.Draw(r, kUiBoldFont, title, kBoxLight, bar.x + 6,
               bar.y + (bar.h - fonts.LineHeight(kUiBoldFont)) / 2);
    const Rect text = Moved(b.text, b.panel);
    const int lineH = fonts.LineHeight(kUiFont);
    for (size_t i = 0; i < b.lines.size(); ++i)
        fonts.Draw(r, kUiFont, b.lines[i], kBoxText, text.x, text.y + static_cast<int>(i) * lineH);
    const Rect ok = Moved(b.buttons[0], b.panel);
    Fill(r, ok, kBoxFace);
    Bevel(r, ok, kBoxText, kBoxText);
    Bevel(r, {ok.x + 1, ok.y + 1, ok.w - 2, ok.h - 2}, kBoxLight, kBoxDark);
    fonts.Draw(r, kUiFont, "OK", kBoxText, ok.x + (ok.w - fonts.Width(kUiFont, "OK")) / 2,
               ok.y + (ok.h - lineH) / 2);
    SDL_RenderPresent(r);
}

// Waits until the box is answered: OK, Enter, Esc or the window's close box.
void Wait(SDL_Renderer* r, SdlFonts& fonts, const BoxLayout& b, const std::string& title) {
    const Rect ok = Moved(b.buttons[0], b.panel);
    while (true) {
        Draw(r, fonts, b, title);
        SDL_Event e;
        if (!SDL_WaitEvent(&e)) return;
        if (e.type == SDL_QUIT) return;
        if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_CLOSE) return;
        if (e.type == SDL_KEYDOWN) {
            const SDL_Scancode sc = e.key.keysym.scancode;
            if (sc == SDL_SCANCODE_RETURN || sc == SDL_SCANCODE_KP_ENTER ||
                sc == SDL_SCANCODE_ESCAPE)
                return;
        }
        if (e.type == SDL_MOUSEBUTTONUP && e.button.button == SDL_BUTTON_LEFT &&
            ok.Contains(e.button.x, e.button.y))
            return;
    }
}

}  // namespace

bool ShowFailureBox(const std::string& title, const std::string& text) {
    SdlFonts fonts;
    if (!fonts.Get(kUiFont) || !fonts.Get(kUiBoldFont)) return false;
    const TextMetrics metrics{[&](const std::string& s) { return fonts.Width(kUiFont, s); },
                              [&](const std::string& s) { return fonts.Width(kUiBoldFont, s); },
                              fonts.LineHeight(kUiFont)};
    const BoxLayout b = LayOutBox(title, text, 1, false, 1024, 768, metrics);
    SDL_Window* window =
        SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, b.panel.w,
                         b.panel.h, SDL_WINDOW_SHOWN);
    if (!window) return false;
    SDL_Renderer* r = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    if (r) {
        Wait(r, fonts, b, title);
        fonts.ClearTextures();
        SDL_DestroyRenderer(r);
    }
    SDL_DestroyWindow(window);
    return r != nullptr;
}

}  // namespace krepogor
