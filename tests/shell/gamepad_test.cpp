// The real desktop program on SDL's dummy drivers, played through SDL's
// virtual game controller plugged in while the game runs: a battle aimed with
// the held D-pad and the stick, fired, paused and resumed, the exit question
// cancelled and then answered Yes, all with the pad's buttons.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>

#include "desktop/sdl/SdlShell.h"
#include "state/Game.h"

namespace krepogor {
namespace {

void PushClick(int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = SDL_PRESSED;
    e.button.x = x;
    e.button.y = y;
    SDL_PushEvent(&e);
}

bool Held(const Game& g) {
    return g.windows.IsVisible("frm_vustrel") && !g.frm_vustrel.TmrBum.Enabled();
}

struct Step {
    std::function<bool(const Game&)> ready;
    std::function<void(const Game&)> act;
};

TEST(Gamepad, PlaysABattleThroughAVirtualController) {
    // On SDL's dummy drivers unless told otherwise: the end-to-end test runs
    // it again in a window on its X server.
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 0);
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    // The dummy video driver gives no window the keyboard's focus, and SDL
    // drops a pad's presses in a program without it.
    SDL_setenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1", 1);

    SDL_Joystick* pad = nullptr;
    auto press = [&](int button, bool down) {
        SDL_JoystickSetVirtualButton(pad, button, down ? SDL_PRESSED : SDL_RELEASED);
    };
    int16_t startAngle = -1, heldAngle = -1, stickAngle = -1;
    int64_t shotsBefore = -1, shotsAfter = -1;
    bool paused = false, resumed = false, asked = false, cancelled = false;
    const auto always = [](const Game&) { return true; };
    std::vector<Step> steps = {
        {[](const Game& g) { return g.windows.IsVisible("frm_menu"); },
         [&](const Game&) {
             // Plugged in while the game runs.
             SDL_VirtualJoystickDesc desc{};
             desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
             desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
             desc.naxes = SDL_CONTROLLER_AXIS_MAX;
             desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
             const int index = SDL_JoystickAttachVirtualEx(&desc);
             ASSERT_GE(index, 0) << SDL_GetError();
             pad = SDL_JoystickOpen(index);
             ASSERT_NE(pad, nullptr) << SDL_GetError();
             PushClick(300, 150);  // "Новая Игра"
         }},
        {[](const Game& g) { return g.windows.IsVisible("frm_vustrel"); },
         [&](const Game& g) {
             startAngle = g.st.GunAngle;
             press(SDL_CONTROLLER_BUTTON_DPAD_UP, true);  // held: the gun goes all the way up
         }},
        {always, [&](const Game&) {}},
        {always, [&](const Game&) {}},
        {always, [&](const Game&) {}},
        {always, [&](const Game&) {}},
        {always,
         [&](const Game& g) {
             heldAngle = g.st.GunAngle;
             press(SDL_CONTROLLER_BUTTON_DPAD_UP, false);
             SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, 32767);  // stick down
         }},
        {always,
         [&](const Game& g) {
             SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, 0);
             stickAngle = g.st.GunAngle;
             shotsBefore = g.st.ShotCount;
             press(SDL_CONTROLLER_BUTTON_A, true);  // fire
         }},
        {always,
         [&](const Game& g) {
             press(SDL_CONTROLLER_BUTTON_A, false);
             shotsAfter = g.st.ShotCount;
             press(SDL_CONTROLLER_BUTTON_START, true);  // pause
         }},
        {[&](const Game& g) { return paused = Held(g); },
         [&](const Game&) {
             press(SDL_CONTROLLER_BUTTON_START, false);
             press(SDL_CONTROLLER_BUTTON_A, true);  // the box's default answer
         }},
        {[&](const Game& g) { return resumed = !Held(g); },
         [&](const Game&) {
             press(SDL_CONTROLLER_BUTTON_A, false);
             press(SDL_CONTROLLER_BUTTON_BACK, true);  // asks to leave
         }},
        {[&](const Game& g) { return asked = Held(g); },
         [&](const Game&) {
             press(SDL_CONTROLLER_BUTTON_BACK, false);
             press(SDL_CONTROLLER_BUTTON_B, true);  // No
         }},
        {[&](const Game& g) { return cancelled = !Held(g) && g.windows.IsVisible("frm_vustrel"); },
         [&](const Game&) {
             press(SDL_CONTROLLER_BUTTON_B, false);
             press(SDL_CONTROLLER_BUTTON_BACK, true);
         }},
        {Held,
         [&](const Game&) {
             press(SDL_CONTROLLER_BUTTON_BACK, false);
             press(SDL_CONTROLLER_BUTTON_A, true);  // Yes: the game ends
         }},
    };

    size_t next = 0;
    Uint64 last = 0, start = 0;
    ShellOptions options;
    options.appDir = KREPOGOR_SOURCE_DIR;
    options.resourcesDir = KREPOGOR_SOURCE_DIR "/resources";
    options.display.scale = 1.0;  // the click below lands on "Новая Игра" at 1x
    options.onPass = [&](const Game& g) {
        const Uint64 now = SDL_GetTicks64();
        if (start == 0) start = now;
        if (now - start > 20000) {  // whatever happened, do not hang
            SDL_Event q{};
            q.type = SDL_QUIT;
            SDL_PushEvent(&q);
            return;
        }
        if (next < steps.size() && now - last >= 150 && steps[next].ready(g)) {
            steps[next].act(g);
            ++next;
            last = now;
        }
    };
    EXPECT_EQ(RunDesktopGame(options), 0);
    if (pad) SDL_JoystickClose(pad);
    EXPECT_EQ(next, steps.size());
    // Held for 750 ms: the press alone would aim one step (15 degrees) up,
    // the repeats after half a second take the gun all the way.
    EXPECT_LT(startAngle, 60);
    EXPECT_EQ(heldAngle, 90);
    EXPECT_EQ(stickAngle, 75);  // the stick pushed down once, let go before it repeats
    EXPECT_EQ(shotsAfter, shotsBefore + 1);
    EXPECT_TRUE(paused);
    EXPECT_TRUE(resumed);
    EXPECT_TRUE(asked);
    EXPECT_TRUE(cancelled);
}

}  // namespace
}  // namespace krepogor
