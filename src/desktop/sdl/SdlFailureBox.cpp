#include "desktop/sdl/SdlFailureBox.h"

#include <SDL.h>

#include "desktop/BoxLayout.h"
#include "desktop/sdl/SdlDraw.h"
#include "desktop/sdl/SdlFonts.h"

namespace krepogor {
namespace {

constexpr uint32_t kFace = 0xD4D0C8;
constexpr uint32_t kLight = 0xFFFFFF;
constexpr uint32_t kDark = 0x404040;
constexpr uint32_t kText = 0x000000;
constexpr uint32_t kTitle = 0x0A246A;

const FontSpec kFont{"Liberation Sans", false, false, 13};
const FontSpec kBold{"Liberation Sans", true, false, 13};

// The box's rectangles, moved so that its panel fills the window.
Rect Moved(const Rect& r, const Rect& panel) {
    return {r.x - panel.x, r.y - panel.y, r.w, r.h};
}

void Frame(SDL_Renderer* r, const Rect& rc, uint32_t topLeft, uint32_t bottomRight) {
    SetColour(r, topLeft);
    SDL_RenderDrawLine(r, rc.x, rc.y, rc.Right() - 1, rc.y);
    SDL_RenderDrawLine(r, rc.x, rc.y, rc.x, rc.Bottom() - 1);
    SetColour(r, bottomRight);
    SDL_RenderDrawLine(r, rc.x, rc.Bottom() - 1, rc.Right() - 1, rc.Bottom() - 1);
    SDL_RenderDrawLine(r, rc.Right() - 1, rc.y, rc.Right() - 1, rc.Bottom() - 1);
}

void Draw(SDL_Renderer* r, SdlFonts& fonts, const BoxLayout& b, const std::string& title) {
    const Rect panel{0, 0, b.panel.w, b.panel.h};
    Fill(r, panel, kFace);
    Frame(r, panel, kLight, kDark);
    const Rect bar = Moved(b.titleBar, b.panel);
    Fill(r, bar, kTitle);
    fonts.Draw(r, kBold, title, kLight, bar.x + 6, bar.y + (bar.h - fonts.LineHeight(kBold)) / 2);
    const Rect text = Moved(b.text, b.panel);
    const int lineH = fonts.LineHeight(kFont);
    for (size_t i = 0; i < b.lines.size(); ++i)
        fonts.Draw(r, kFont, b.lines[i], kText, text.x, text.y + static_cast<int>(i) * lineH);
    const Rect ok = Moved(b.buttons[0], b.panel);
    Fill(r, ok, kFace);
    Frame(r, ok, kText, kText);
    Frame(r, {ok.x + 1, ok.y + 1, ok.w - 2, ok.h - 2}, kLight, kDark);
    fonts.Draw(r, kFont, "OK", kText, ok.x + (ok.w - fonts.Width(kFont, "OK")) / 2,
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
    if (fonts.LineHeight(kFont) <= 0) return false;
    const TextMetrics metrics{[&](const std::string& s) { return fonts.Width(kFont, s); },
                              [&](const std::string& s) { return fonts.Width(kBold, s); },
                              fonts.LineHeight(kFont)};
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
