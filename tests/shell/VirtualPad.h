#pragma once

// SDL's virtual game controller plugged into the real desktop program a test
// runs, and the steps a test takes with it from the program's passes.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "desktop/sdl/PngWriter.h"
#include "state/Game.h"

namespace krepogor {

class VirtualPad {
public:
    VirtualPad() = default;
    ~VirtualPad() {
        if (pad_) SDL_JoystickClose(pad_);
    }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    // Plugs it in while the game runs.
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

// Steps taken from the program's passes in order, each once it is ready and
// at least kStepMs after the one before, so that the program has seen it.
class PadSteps {
public:
    static constexpr Uint64 kStepMs = 150;
    struct Step {
        std::function<bool(const Game&)> ready;
        std::function<void(const Game&)> act;
    };

    PadSteps& Add(std::function<bool(const Game&)> ready, std::function<void(const Game&)> act) {
        steps_.push_back({std::move(ready), std::move(act)});
        return *this;
    }
    PadSteps& Then(std::function<void(const Game&)> act) {
        return Add([](const Game&) { return true; }, std::move(act));
    }
    // Presses a button and lets it go in the next step, for each button.
    PadSteps& Taps(VirtualPad& pad, std::initializer_list<int> buttons) {
        for (const int b : buttons) {
            Then([&pad, b](const Game&) { pad.Press(b, true); });
            Then([&pad, b](const Game&) { pad.Press(b, false); });
        }
        return *this;
    }

    // Takes the next step when it is due; true once every step is taken.
    bool Pass(const Game& g) {
        const Uint64 now = SDL_GetTicks64();
        if (next_ < steps_.size() && now - last_ >= kStepMs && steps_[next_].ready(g)) {
            steps_[next_].act(g);
            ++next_;
            last_ = now;
            // The main menu sleeps until something happens: this wakes it
            // when the next step is due, as the player's next press would.
            SDL_AddTimer(static_cast<Uint32>(kStepMs), Wake, nullptr);
        }
        return next_ == steps_.size();
    }
    size_t Taken() const { return next_; }
    size_t Size() const { return steps_.size(); }

private:
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

// Saves what the game's window shows now as NAME.png in the folder
// KREPOGOR_SHOTS names, when it names one: the end-to-end test looks at them.
inline void WindowShot(const std::string& name) {
    const char* folder = std::getenv("KREPOGOR_SHOTS");
    if (!folder || !*folder) return;
    // The newest window is the game's.
    SDL_Window* window = nullptr;
    for (Uint32 id = 1; id < 256; ++id)
        if (SDL_Window* w = SDL_GetWindowFromID(id)) window = w;
    SDL_Surface* shown = window ? SDL_GetWindowSurface(window) : nullptr;
    SDL_Surface* s = shown ? SDL_ConvertSurfaceFormat(shown, SDL_PIXELFORMAT_RGB888, 0) : nullptr;
    ASSERT_NE(s, nullptr) << SDL_GetError();
    std::vector<uint32_t> pixels(static_cast<size_t>(s->w) * static_cast<size_t>(s->h));
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x)
            pixels[static_cast<size_t>(y * s->w + x)] =
                static_cast<const uint32_t*>(s->pixels)[y * s->pitch / 4 + x] & 0xFFFFFF;
    std::string error;
    EXPECT_TRUE(
        SavePng(std::string(folder) + "/" + name + ".png", pixels.data(), s->w, s->h, error))
        << error;
    SDL_FreeSurface(s);
}

}  // namespace krepogor
