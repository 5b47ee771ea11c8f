#include "desktop/sdl/SdlBoxes.h"

#include <SDL.h>

#include <algorithm>

#include "desktop/BoxButtons.h"
#include "desktop/CloseRequests.h"
#include "desktop/KeyRouting.h"
#include "desktop/TextField.h"
#include "desktop/sdl/SdlDraw.h"
#include "desktop/sdl/SdlGamepads.h"
#include "desktop/sdl/SdlPainter.h"
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

// The button under a point of the desktop window, or -1.
int ButtonAt(const BoxLayout& b, const SdlScreen& screen, int x, int y) {
    const auto at = screen.ToClient(x, y);
    return at ? b.ButtonAt(at->x, at->y) : -1;
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

// The window under a box is drawn whole again when the box goes.
struct UncoverScope {
    explicit UncoverScope(SdlScreen& screen) : screen_(screen) {}
    ~UncoverScope() { screen_.WholeDue(); }
    SdlScreen& screen_;
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
    UncoverScope uncover(screen);
    screen.UpgradePointer(false);
    int hot = -1, pressed = -1;
    const int escape = EscapeButton(buttons.size());
    // The name box is typed on the keyboard alone.
    const PadPlace place = field ? PadPlace::NameBox : PadPlace::Box;
    while (true) {
        host_.Service();
        host_.Pads().Repeat(place);
        const BoxLayout b = LayOutBox(title, text, static_cast<int>(buttons.size()),
                                      field != nullptr, std::max(screen.OuterWidth(), 320),
                                      std::max(screen.OuterHeight(), 200), metrics);
        host_.DrawWindow();
        Draw(b, title, buttons, field, hot, pressed);
        screen.Present();

        SDL_Event e;
        if (!SDL_WaitEventTimeout(&e, host_.IdleMs())) continue;
        do {
            if (host_.Pads().Handle(e, place)) continue;
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
                    if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) screen.Resized();
                    break;
                case SDL_KEYDOWN: {
                    const SDL_Scancode sc = e.key.keysym.scancode;
                    if (TogglesFullscreen(sc, (e.key.keysym.mod & KMOD_ALT) != 0)) {
                        if (!e.key.repeat) screen.ToggleFullscreen();
                        break;
                    }
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
                    hot = ButtonAt(b, screen, e.motion.x, e.motion.y);
                    break;
                case SDL_MOUSEBUTTONDOWN:
                    if (e.button.button == SDL_BUTTON_LEFT)
                        pressed = ButtonAt(b, screen, e.button.x, e.button.y);
                    break;
                case SDL_MOUSEBUTTONUP:
                    if (e.button.button == SDL_BUTTON_LEFT) {
                        const int at = ButtonAt(b, screen, e.button.x, e.button.y);
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
    SdlPainter p(r, fonts, screen.Box());
    const FontSpec font = SdlScreen::UiFont();
    const int lineH = fonts.LineHeight(font);

    // A soft shadow, then the raised panel.
    p.Shade({b.panel.x + 5, b.panel.y + 5, b.panel.w, b.panel.h}, 90);
    p.Fill(b.panel, kBoxFace);
    p.Bevel(b.panel, kBoxFace, kBoxDark);
    p.Bevel(Inset(b.panel, 1), kBoxLight, kBoxShadow);

    const Rect t = b.titleBar;
    for (int x = 0; x < t.w; ++x) p.Fill({t.x + x, t.y, 1, t.h}, Mix(kBoxTitle, kTitleTo, x, t.w));
    const FontSpec bold = SdlScreen::UiFont(true);
    p.Text(bold, title, kBoxLight, t.x + 6, t.y + (t.h - fonts.LineHeight(bold)) / 2);

    for (size_t i = 0; i < b.lines.size(); ++i)
        p.Text(font, b.lines[i], kBoxText, b.text.x, b.text.y + static_cast<int>(i) * lineH);

    if (field) {
        const Rect f = b.field;
        p.Fill(f, kBoxLight);
        p.Bevel(f, kBoxShadow, kBoxLight);
        p.Bevel(Inset(f, 1), kBoxDark, kBoxFace);
        // Keep the caret in sight: a text too long for the field scrolls left.
        // The text is set at the output's size, so the caret is found there.
        const Letterbox& box = p.Box();
        const Rect inner = box.ToOutput(Inset(f, 4));
        const FontSpec out = p.Output(font);
        const int caretX = fonts.Width(out, field->Text().substr(0, field->Caret()));
        const int scroll = std::max(0, caretX - inner.w + 2);
        const Rect line = box.ToOutput({f.x, f.y + (f.h - lineH) / 2, f.w, lineH});
        ClipScope clip(r, {inner.x, inner.y - 2, inner.w, inner.h + 4});
        fonts.Draw(r, out, field->Text(), kBoxText, inner.x - scroll, line.y);
        if (SDL_GetTicks64() / 530 % 2 == 0) {
            const int thick = std::max(1, static_cast<int>(box.Factor()));
            krepogor::Fill(r,
                           {inner.x - scroll + caretX, line.y + thick, thick, line.h - 2 * thick},
                           kBoxText);
        }
    }

    for (size_t i = 0; i < buttons.size(); ++i) {
        const Rect rc = b.buttons[i];
        const bool down = pressed == static_cast<int>(i) && hot == pressed;
        p.Fill(rc, kBoxFace);
        Rect body = rc;
        if (i == 0) {  // the default button, the one Enter presses
            p.Bevel(rc, kBoxText, kBoxText);
            body = Inset(rc, 1);
        }
        if (down) {
            p.Bevel(body, kBoxShadow, kBoxShadow);
        } else {
            p.Bevel(body, kBoxLight, kBoxDark);
            p.Bevel(Inset(body, 1), kBoxFace, kBoxShadow);
        }
        const int shift = down ? 1 : 0;
        p.TextIn(font, buttons[i], kBoxText, {rc.x + shift, rc.y + shift, rc.w, rc.h},
                 Align::Centre);
    }
}

}  // namespace krepogor
