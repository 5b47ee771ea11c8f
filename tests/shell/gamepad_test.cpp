// The real desktop program on SDL's dummy drivers, played through SDL's
// virtual game controller plugged in while the game runs: a battle aimed with
// the held D-pad and the stick, fired, paused and resumed, the exit question
// cancelled and then answered Yes, all with the pad's buttons.
#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "shell/ShellSteps.h"

namespace krepogor {
namespace {

TEST(Gamepad, PlaysABattleThroughAVirtualController) {
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
        {Always, [&](const Game&) {}},
        {Always, [&](const Game&) {}},
        {Always, [&](const Game&) {}},
        {Always, [&](const Game&) {}},
        {Always,
         [&](const Game& g) {
             heldAngle = g.st.GunAngle;
             press(SDL_CONTROLLER_BUTTON_DPAD_UP, false);
             SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, 32767);  // stick down
         }},
        {Always,
         [&](const Game& g) {
             SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, 0);
             stickAngle = g.st.GunAngle;
             shotsBefore = g.st.ShotCount;
             press(SDL_CONTROLLER_BUTTON_A, true);  // fire
         }},
        {Always,
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

    ShellOptions options;
    options.appDir = KREPOGOR_SOURCE_DIR;
    options.resourcesDir = KREPOGOR_SOURCE_DIR "/resources";
    options.display.scale = 1.0;  // the click below lands on "Новая Игра" at 1x
    size_t done = 0;
    EXPECT_EQ(RunSteps(options, steps, done), 0);
    if (pad) SDL_JoystickClose(pad);
    EXPECT_EQ(done, steps.size());
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
