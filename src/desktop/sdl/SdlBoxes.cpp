#include "desktop/sdl/SdlBoxes.h"

#include <SDL.h>

#include <algorithm>

#include "desktop/BoxButtons.h"
#include "desktop/CloseRequests.h"
#include "desktop/TextField.h"
#include "desktop/sdl/SdlDraw.h"
#include "desktop/sdl/SdlScreen.h"
#include "frontend/BookName.h"

namespace krepogor {
namespace {

constexpr uint32_t kTitleTo = 0xA6CAF0;

Rect Inset(const Rect& rc, int d) {
    return {rc.x + d, rc.y + d, rc.w - 2 * d, rc.h - 2 * d};
}

uint32_t Mix(uint32_t a, uint32_t b, int num, int den) {
    uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int ca = static_cast<int>((a >> shift) & 0xFF),
                  cb = static_cast<int>((b >> shift) & 0xFF);
        out |= static_cast<uint32_t>(ca + (cb - ca) * num / std::max(den, 1)) << shift;
    }
    return out;
}

// Stops SDL's text input when a box ends, however it ends.
struct TextInputScope {
    explicit TextInputScope(bool on) : on_(on) {
        if (on_) SDL_StartTextInput();
    }
    ~TextInputScope() {
        if (on_) SDL_StopTextInput();
    }
    bool on_;
};

}  // namespace

MsgAnswer SdlBoxes::MsgBox(const std::string& text, const std::string& title, MsgButtons buttons) {
    return AnswerOf(buttons, Run(title, text, ButtonCaptions(buttons), nullptr));
}

std::string SdlBoxes::InputBox(const std::string& prompt, const std::string& title) {
    // The game's one input box asks a champion's name: it takes only what
    // the book keeps, so the name shown is the name saved.
    TextField field({kBookNameChars, NameChar, ComposedName});
    return Run(title, prompt, InputBoxCaptions(), &field) == 0 ? field.Text() : "";
}

int SdlBoxes::Run(const std::string& title, const std::string& text,
                  const std::vector<std::string>& buttons, TextField* field) {
    SdlScreen& screen = host_.Screen();
    SdlFonts& fonts = screen.Fonts();
    const TextMetrics metrics{
        [&](const std::string& s) { return fonts.Width(SdlScreen::UiFont(), s); },
        [&](const std::string& s) { return fonts.Width(SdlScreen::UiFont(true), s); },
        fonts.LineHeight(SdlScreen::UiFont())};
    TextInputScope input(field != nullptr);
    screen.UpgradePointer(false);
    int hot = -1, pressed = -1;
    const int escape = EscapeButton(buttons.size());
    while (true) {
        host_.Service();
        const BoxLayout b = LayOutBox(title, text, static_cast<int>(buttons.size()),
                                      field != nullptr, std::max(screen.OuterWidth(), 320),
                                      std::max(screen.OuterHeight(), 200), metrics);
        host_.DrawWindow();
        Draw(b, title, buttons, field, hot, pressed);
        SDL_RenderPresent(screen.Renderer());

        SDL_Event e;
        if (!SDL_WaitEventTimeout(&e, host_.IdleMs())) continue;
        do {
            CloseRequests& closes = host_.Closes();
            const bool closeBox =
                e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_CLOSE;
            if (e.type != SDL_QUIT && !closeBox) closes.Other();
            switch (e.type) {
                case SDL_QUIT:
                    if (!closes.QuitEndsProgram()) break;
                    // The name box closes as its close box does, so that the
                    // row is saved; the program ends after it.
                    if (field) {
                        quitAfterBox_ = true;
                        return escape;
                    }
                    host_.EndProgram();
                    break;
                case SDL_WINDOWEVENT:
                    if (closeBox) {
                        closes.WindowClosed();
                        return escape;
                    }
                    break;
                case SDL_KEYDOWN: {
                    const SDL_Scancode sc = e.key.keysym.scancode;
                    if ((sc == SDL_SCANCODE_RETURN || sc == SDL_SCANCODE_KP_ENTER) && !e.key.repeat)
                        return EnterButton(buttons.size());
                    if (sc == SDL_SCANCODE_ESCAPE && !e.key.repeat) return escape;
                    if (!field) break;
                    if (sc == SDL_SCANCODE_BACKSPACE) field->Backspace();
                    if (sc == SDL_SCANCODE_DELETE) field->Delete();
                    if (sc == SDL_SCANCODE_LEFT) field->Left();
                    if (sc == SDL_SCANCODE_RIGHT) field->Right();
                    if (sc == SDL_SCANCODE_HOME) field->Home();
                    if (sc == SDL_SCANCODE_END) field->End();
                    break;
                }
                case SDL_TEXTINPUT:
                    if (field) field->Insert(e.text.text);
                    break;
                case SDL_MOUSEMOTION:
                    hot = b.ButtonAt(e.motion.x, e.motion.y);
                    break;
                case SDL_MOUSEBUTTONDOWN:
                    if (e.button.button == SDL_BUTTON_LEFT)
                        pressed = b.ButtonAt(e.button.x, e.button.y);
                    break;
                case SDL_MOUSEBUTTONUP:
                    if (e.button.button == SDL_BUTTON_LEFT) {
                        const int at = b.ButtonAt(e.button.x, e.button.y);
                        if (at >= 0 && at == pressed) return at;
                        pressed = -1;
                    }
                    break;
                default:
                    break;
            }
        } while (SDL_PollEvent(&e));
    }
}

void SdlBoxes::Draw(const BoxLayout& b, const std::string& title,
                    const std::vector<std::string>& buttons, const TextField* field, int hot,
                    int pressed) {
    SdlScreen& screen = host_.Screen();
    SDL_Renderer* r = screen.Renderer();
    SdlFonts& fonts = screen.Fonts();
    const FontSpec font = SdlScreen::UiFont();
    const int lineH = fonts.LineHeight(font);

    // A soft shadow, then the raised panel.
    SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_BLEND);
    SDL_SetRenderDrawColor(r, 0, 0, 0, 90);
    const SDL_Rect shadow{b.panel.x + 5, b.panel.y + 5, b.panel.w, b.panel.h};
    SDL_RenderFillRect(r, &shadow);
    SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_NONE);
    Fill(r, b.panel, kBoxFace);
    Bevel(r, b.panel, kBoxFace, kBoxDark);
    Bevel(r, Inset(b.panel, 1), kBoxLight, kBoxShadow);

    const Rect t = b.titleBar;
    for (int x = 0; x < t.w; ++x) {
        SetColour(r, Mix(kBoxTitle, kTitleTo, x, t.w));
        SDL_RenderDrawLine(r, t.x + x, t.y, t.x + x, t.Bottom() - 1);
    }
    const FontSpec bold = SdlScreen::UiFont(true);
    fonts.Draw(r, bold, title, kBoxLight, t.x + 6, t.y + (t.h - fonts.LineHeight(bold)) / 2);

    for (size_t i = 0; i < b.lines.size(); ++i)
        fonts.Draw(r, font, b.lines[i], kBoxText, b.text.x, b.text.y + static_cast<int>(i) * lineH);

    if (field) {
        const Rect f = b.field;
        Fill(r, f, kBoxLight);
        Bevel(r, f, kBoxShadow, kBoxLight);
        Bevel(r, Inset(f, 1), kBoxDark, kBoxFace);
        // Keep the caret in sight: a text too long for the field scrolls left.
        const Rect inner = Inset(f, 4);
        const int caretX = fonts.Width(font, field->Text().substr(0, field->Caret()));
        const int scroll = std::max(0, caretX - inner.w + 2);
        const SDL_Rect clip{inner.x, inner.y - 2, inner.w, inner.h + 4};
        SDL_RenderSetClipRect(r, &clip);
        const int y = f.y + (f.h - lineH) / 2;
        fonts.Draw(r, font, field->Text(), kBoxText, inner.x - scroll, y);
        if (SDL_GetTicks64() / 530 % 2 == 0) {
            SetColour(r, kBoxText);
            SDL_RenderDrawLine(r, inner.x - scroll + caretX, y + 1, inner.x - scroll + caretX,
                               y + lineH - 2);
        }
        SDL_RenderSetClipRect(r, nullptr);
    }

    for (size_t i = 0; i < buttons.size(); ++i) {
        const Rect rc = b.buttons[i];
        const bool down = pressed == static_cast<int>(i) && hot == pressed;
        Fill(r, rc, kBoxFace);
        Rect body = rc;
        if (i == 0) {  // the default button, the one Enter presses
            Bevel(r, rc, kBoxText, kBoxText);
            body = Inset(rc, 1);
        }
        if (down) {
            Bevel(r, body, kBoxShadow, kBoxShadow);
        } else {
            Bevel(r, body, kBoxLight, kBoxDark);
            Bevel(r, Inset(body, 1), kBoxFace, kBoxShadow);
        }
        const int w = fonts.Width(font, buttons[i]);
        const int shift = down ? 1 : 0;
        fonts.Draw(r, font, buttons[i], kBoxText, rc.x + (rc.w - w) / 2 + shift,
                   rc.y + (rc.h - lineH) / 2 + shift);
    }
}

}  // namespace krepogor
