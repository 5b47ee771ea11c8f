#pragma once

// Plays the real desktop program as a player would, one step at a time from
// the program's own passes (a box's included): SDL's virtual game controller,
// fingers, clicks, keys and text pushed into SDL's event queue, read by the
// shell's own event path. On SDL's dummy drivers unless the environment names
// others: the end-to-end test runs the same tests in a window on its X
// server, where WindowShot saves what the window shows.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "codec/PngWriter.h"
#include "desktop/sdl/SdlShell.h"
#include "state/Game.h"

namespace krepogor {

// The game's window: the newest (the game shows one at a time).
inline SDL_Window* GameWindow() {
    SDL_Window* window = nullptr;
    for (Uint32 id = 1; id < 256; ++id)
        if (SDL_Window* w = SDL_GetWindowFromID(id)) window = w;
    return window;
}

inline bool Always(const Game&) {
    return true;
}

inline void Nothing(const Game&) {}

// A battle held by a box (the pause, the exit question): no battle timer runs.
inline bool Held(const Game& g) {
    return g.windows.IsVisible("frm_vustrel") && !g.frm_vustrel.TmrBum.Enabled();
}

// SDL's virtual game controller, plugged into the game while it runs.
class VirtualPad {
public:
    VirtualPad() {
        // The dummy video driver gives no window the keyboard's focus, and
        // SDL drops a pad's presses in a program without it.
        SDL_setenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1", 1);
    }
    ~VirtualPad() {
        // The game's end (SDL_Quit) closed and freed it with every joystick.
        if (pad_ && SDL_WasInit(SDL_INIT_JOYSTICK)) SDL_JoystickClose(pad_);
    }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    void Plug() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        ASSERT_GE(index, 0) << SDL_GetError();
        pad_ = SDL_JoystickOpen(index);
        ASSERT_NE(pad_, nullptr) << SDL_GetError();
    }
    void Press(int button, bool down) {
        SDL_JoystickSetVirtualButton(pad_, button, down ? SDL_PRESSED : SDL_RELEASED);
    }
    void Axis(int axis, int value) {
        SDL_JoystickSetVirtualAxis(pad_, axis, static_cast<Sint16>(value));
    }

private:
    SDL_Joystick* pad_ = nullptr;
};

struct Point {
    int x, y;
};

// Fingers on the game's window, pushed as SDL reports them: the first finger
// down also moves the mouse and presses its left button (`which` the touch's
// mouse), before the finger's own event; the others are fingers only.
class Fingers {
public:
    void Down(SDL_FingerID id, Point at) {
        if (!mouse_) {
            mouse_ = id;
            SDL_Event m{};
            m.type = SDL_MOUSEMOTION;
            m.motion.which = SDL_TOUCH_MOUSEID;
            m.motion.x = at.x;
            m.motion.y = at.y;
            SDL_PushEvent(&m);
            PushButton(SDL_MOUSEBUTTONDOWN, at);
        }
        PushFinger(SDL_FINGERDOWN, id, at);
    }
    void Up(SDL_FingerID id, Point at) {
        if (mouse_ == id) {
            mouse_.reset();
            PushButton(SDL_MOUSEBUTTONUP, at);
        }
        PushFinger(SDL_FINGERUP, id, at);
    }
    void Tap(Point at) {
        Down(1, at);
        Up(1, at);
    }

private:
    static void PushButton(Uint32 type, Point at) {
        SDL_Event b{};
        b.type = type;
        b.button.which = SDL_TOUCH_MOUSEID;
        b.button.button = SDL_BUTTON_LEFT;
        b.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        b.button.clicks = 1;
        b.button.x = at.x;
        b.button.y = at.y;
        SDL_PushEvent(&b);
    }
    static void PushFinger(Uint32 type, SDL_FingerID id, Point at) {
        int w = 0, h = 0;
        SDL_GetWindowSize(GameWindow(), &w, &h);
        SDL_Event f{};
        f.type = type;
        f.tfinger.touchId = 1;
        f.tfinger.fingerId = id;
        f.tfinger.x = (static_cast<float>(at.x) + 0.5f) / static_cast<float>(w);
        f.tfinger.y = (static_cast<float>(at.y) + 0.5f) / static_cast<float>(h);
        f.tfinger.pressure = 1;
        f.tfinger.windowID = SDL_GetWindowID(GameWindow());
        SDL_PushEvent(&f);
    }
    std::optional<SDL_FingerID> mouse_;
};

// A left click of the mouse at a point of the game's window.
inline void PushClick(int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = SDL_PRESSED;
    e.button.x = x;
    e.button.y = y;
    SDL_PushEvent(&e);
}

// A key of the keyboard pressed in the game's window.
inline void PushKey(SDL_Scancode sc) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.scancode = sc;
    e.key.windowID = SDL_GetWindowID(GameWindow());
    SDL_PushEvent(&e);
}

inline void PushText(const char* text) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    std::strncpy(e.text.text, text, sizeof e.text.text - 1);
    SDL_PushEvent(&e);
}

// Steps taken from the program's passes in order, each once it is ready and
// at least kStepMs after the one before, so that the program has seen it.
class Steps {
public:
    static constexpr Uint64 kStepMs = 150;
    using Ready = std::function<bool(const Game&)>;
    using Act = std::function<void(const Game&)>;

    Steps& Add(Ready ready, Act act) {
        steps_.push_back({std::move(ready), std::move(act)});
        return *this;
    }
    Steps& Then(Act act) { return Add(Always, std::move(act)); }
    // Each of `more`'s steps after these.
    Steps& Then(const Steps& more) {
        steps_.insert(steps_.end(), more.steps_.begin(), more.steps_.end());
        return *this;
    }
    // Presses a button and lets it go in the next step, for each button.
    Steps& Taps(VirtualPad& pad, std::initializer_list<int> buttons) {
        for (const int b : buttons) {
            Then([&pad, b](const Game&) { pad.Press(b, true); });
            Then([&pad, b](const Game&) { pad.Press(b, false); });
        }
        return *this;
    }

    // Takes the next step when it is due.
    void Pass(const Game& g) {
        const Uint64 now = SDL_GetTicks64();
        if (next_ >= steps_.size() || now - last_ < kStepMs || !steps_[next_].ready(g)) return;
        steps_[next_].act(g);
        ++next_;
        last_ = SDL_GetTicks64();  // after what the step waited for
        // A loop with nothing to do sleeps until something happens: this
        // wakes it when the next step is due, as the player's next input would.
        SDL_AddTimer(static_cast<Uint32>(kStepMs), Wake, nullptr);
    }
    size_t Taken() const { return next_; }
    size_t Size() const { return steps_.size(); }

private:
    struct Step {
        Ready ready;
        Act act;
    };
    static Uint32 Wake(Uint32, void*) {
        SDL_Event e{};
        e.type = SDL_USEREVENT;
        SDL_PushEvent(&e);
        return 0;
    }

    std::vector<Step> steps_;
    size_t next_ = 0;
    Uint64 last_ = 0;
};

struct RunEnd {
    int status = -1;        // the game's exit status
    bool timedOut = false;  // ended by the test
};

// Runs the game with `options`, taking `steps` from its passes; the game is
// ended after `limitMs` whatever happened.
inline RunEnd RunSteps(ShellOptions options, Steps& steps, Uint64 limitMs = 30000) {
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 0);
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    RunEnd end;
    Uint64 start = 0;
    options.onPass = [&](const Game& g) {
        const Uint64 now = SDL_GetTicks64();
        if (start == 0) start = now;
        if (now - start <= limitMs) return steps.Pass(g);
        if (end.timedOut) return;
        end.timedOut = true;
        SDL_Event q{};
        q.type = SDL_QUIT;
        SDL_PushEvent(&q);
    };
    end.status = RunDesktopGame(options);
    return end;
}

// Saves what the game's window shows now as NAME.png in the folder
// KREPOGOR_SHOTS names, when it names one, and `notes` beside it as NAME.txt:
// the end-to-end test looks at them.
inline void WindowShot(const std::string& name, const std::string& notes = "") {
    const char* folder = std::getenv("KREPOGOR_SHOTS");
    if (!folder || !*folder) return;
    SDL_Window* window = GameWindow();
    SDL_Surface* shown = window ? SDL_GetWindowSurface(window) : nullptr;
    SDL_Surface* s = shown ? SDL_ConvertSurfaceFormat(shown, SDL_PIXELFORMAT_RGB888, 0) : nullptr;
    ASSERT_NE(s, nullptr) << SDL_GetError();
    std::vector<uint32_t> pixels(static_cast<size_t>(s->w) * static_cast<size_t>(s->h));
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x)
            pixels[static_cast<size_t>(y * s->w + x)] =
                static_cast<const uint32_t*>(s->pixels)[y * s->pitch / 4 + x] & 0xFFFFFF;
    const std::string path = std::string(folder) + "/" + name;
    std::string error;
    EXPECT_TRUE(SavePng(path + ".png", pixels.data(), s->w, s->h, error)) << error;
    SDL_FreeSurface(s);
    if (!notes.empty()) std::ofstream(path + ".txt", std::ios::binary) << notes;
}

}  // namespace krepogor
