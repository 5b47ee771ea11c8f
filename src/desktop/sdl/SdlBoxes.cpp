#include "desktop/sdl/SdlBoxes.h"

#include <SDL.h>

#include <algorithm>
#include <utility>

#include "desktop/BoxButtons.h"
#include "desktop/CloseRequests.h"
#include "desktop/KeyRouting.h"
#include "desktop/TextField.h"
#include "desktop/sdl/SdlDraw.h"
#include "desktop/sdl/SdlEventWait.h"
#include "desktop/sdl/SdlGamepads.h"
#include "desktop/sdl/SdlPainter.h"
#include "desktop/sdl/SdlScreen.h"
#include "desktop/sdl/SdlScreenKeyboard.h"
#include "frontend/BookName.h"

namespace krepogor {
namespace {

constexpr uint32_t kTitleTo = 0xA6CAF0;
// The name box's button that shows its keyboard on the screen.
constexpr const char* kShowKeyboard = "Клавиатура";

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
    const int enter = EnterButton(buttons.size());
    const int escape = EscapeButton(buttons.size());
    // The name box's keyboard shows at once for a player without a keyboard.
    NameKeys keys;
    const InputKind before = host_.Input().Kind();
    keys.shown = field && (before == InputKind::Pad || before == InputKind::Touch);
    if (field) host_.Pads().ForgetPresses();
    // The button a key of the keyboard on the screen answers, or -1.
    auto act = [&](const ScreenKeyboard::Action& a) {
        using What = ScreenKeyboard::Action::What;
        switch (a.what) {
            case What::Type:
                field->Insert(a.text);
                break;
            case What::Erase:
                field->Backspace();
                break;
            case What::Done:
                return enter;
            case What::Cancel:
                return escape;
            case What::None:
                break;
        }
        return -1;
    };
    // A pad's button in the name box: the first shows the keyboard.
    auto pad = [&](PadButton button) {
        if (!keys.shown) {
            keys.shown = true;
            return -1;
        }
        switch (button) {
            case PadButton::Up:
                keys.board.Move(ScreenKeyboard::Step::Up);
                break;
            case PadButton::Down:
                keys.board.Move(ScreenKeyboard::Step::Down);
                break;
            case PadButton::Left:
                keys.board.Move(ScreenKeyboard::Step::Left);
                break;
            case PadButton::Right:
                keys.board.Move(ScreenKeyboard::Step::Right);
                break;
            case PadButton::South:
                return act(keys.board.Press());
            case PadButton::East:
                field->Backspace();
                break;
            case PadButton::Start:
                return enter;
            case PadButton::LeftShoulder:
                keys.board.Turn(-1);
                break;
            case PadButton::RightShoulder:
                keys.board.Turn(1);
                break;
            default:
                break;
        }
        return -1;
    };
    auto padPresses = [&] {
        while (const auto b = host_.Pads().TakePress())
            if (const int answer = pad(*b); answer >= 0) return answer;
        return -1;
    };
    // The name box is typed on its keyboard on the screen when a pad is used.
    const PadPlace place = field ? PadPlace::NameBox : PadPlace::Box;
    const int showW = field ? fonts.Width(SdlScreen::UiFont(), kShowKeyboard) + 24 : 0;
    while (true) {
        host_.Service();
        host_.Pads().Repeat(place);
        if (const int answer = padPresses(); answer >= 0) return answer;
        const KeyboardRoom room =
            keys.shown ? KeyboardRoom{ScreenKeyboard::kWidth, ScreenKeyboard::kHeight, 0}
                       : KeyboardRoom{0, 0, showW};
        const BoxLayout b = LayOutBox(title, text, static_cast<int>(buttons.size()),
                                      field != nullptr, std::max(screen.OuterWidth(), 320),
                                      std::max(screen.OuterHeight(), 200), metrics, room);
        host_.DrawWindow();
        Draw(b, title, buttons, field, hot, pressed, keys);
        screen.Present();

        SDL_Event e;
        if (!WaitForEvent(e, host_.IdleMs())) continue;
        do {
            host_.NoteInput(e);
            if (host_.Pads().Handle(e, place)) {
                if (const int answer = padPresses(); answer >= 0) return answer;
                continue;
            }
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
                        return enter;
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
                case SDL_MOUSEBUTTONDOWN: {
                    if (e.button.button != SDL_BUTTON_LEFT) break;
                    const auto at = screen.ToClient(e.button.x, e.button.y);
                    if (!at) break;
                    if (keys.shown) keys.down = keys.board.KeyUnder(b.keyboard, at->x, at->y);
                    keys.showDown = b.keyboardButton.Contains(at->x, at->y);
                    // A tap on the field asks for the keyboard.
                    if (field && e.button.which == SDL_TOUCH_MOUSEID &&
                        b.field.Contains(at->x, at->y))
                        keys.shown = true;
                    pressed = b.ButtonAt(at->x, at->y);
                    break;
                }
                case SDL_MOUSEBUTTONUP: {
                    if (e.button.button != SDL_BUTTON_LEFT) break;
                    const auto at = screen.ToClient(e.button.x, e.button.y);
                    const auto down = std::exchange(keys.down, std::nullopt);
                    if (at && down && keys.board.KeyUnder(b.keyboard, at->x, at->y) == down)
                        if (const int answer = act(keys.board.Tap(*down)); answer >= 0)
                            return answer;
                    if (at && std::exchange(keys.showDown, false) &&
                        b.keyboardButton.Contains(at->x, at->y))
                        keys.shown = true;
                    const int over = at ? b.ButtonAt(at->x, at->y) : -1;
                    if (over >= 0 && over == pressed) return over;
                    pressed = -1;
                    break;
                }
                default:
                    break;
            }
        } while (SDL_PollEvent(&e));
    }
}

void SdlBoxes::Draw(const BoxLayout& b, const std::string& title,
                    const std::vector<std::string>& buttons, const TextField* field, int hot,
                    int pressed, const NameKeys& keys) {
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

    auto button = [&](const Rect& rc, const std::string& caption, bool isDefault, bool down) {
        p.Fill(rc, kBoxFace);
        Rect body = rc;
        if (isDefault) {  // the one Enter presses
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
        p.TextIn(font, caption, kBoxText, {rc.x + shift, rc.y + shift, rc.w, rc.h}, Align::Centre);
    };
    // The keyboard on the screen stands in for the buttons while it shows.
    for (size_t i = 0; i < b.buttons.size(); ++i)
        button(b.buttons[i], buttons[i], i == 0, pressed == static_cast<int>(i) && hot == pressed);
    if (b.keyboardButton.w > 0) button(b.keyboardButton, kShowKeyboard, false, keys.showDown);
    if (keys.shown)
        DrawScreenKeyboard(p, keys.board, b.keyboard, host_.Input().Kind() == InputKind::Pad,
                           keys.down);
}

}  // namespace krepogor
