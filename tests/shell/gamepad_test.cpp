// The real desktop program on SDL's dummy drivers, played through SDL's
// virtual game controller plugged in while the game runs, with nothing else:
// a battle started from the main menu's lit word, aimed with the held D-pad
// and the stick, fired, paused and resumed, the rules opened from the menu
// bar (Back held, the D-pad walking it) and closed, the exit question
// cancelled and then answered Yes. The player chose other keys for aiming up
// and for fire: the pad presses those.
#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "desktop/PadInput.h"
#include "shell/ShellSteps.h"

namespace krepogor {
namespace {

TEST(Gamepad, PlaysABattleThroughAVirtualController) {
    namespace fs = std::filesystem;
    const fs::path config =
        fs::temp_directory_path() / ("krepogor-pad-" + std::to_string(::getpid()));
    fs::remove_all(config);
    fs::create_directories(config);
    std::ofstream(config / "settings.ini", std::ios::binary) << "key.up=W\nkey.fire=F\n";

    VirtualPad pad;
    int16_t startAngle = -1, heldAngle = -1, stickAngle = -1;
    int64_t shotsBefore = -1, shotsAfter = -1;
    bool paused = false, resumed = false, rules = false, asked = false, cancelled = false;
    Uint64 backDown = 0;
    Steps steps;
    steps
        .Add([](const Game& g) { return g.windows.IsVisible("frm_menu"); },
             [&](const Game&) { pad.Plug(); })
        // Down lights "Новая Игра", South chooses it.
        .Taps(pad, {SDL_CONTROLLER_BUTTON_DPAD_DOWN})
        .Then([&](const Game&) {
            WindowShot("main-menu-lit-by-pad");
            pad.Press(SDL_CONTROLLER_BUTTON_A, true);
        })
        .Add([](const Game& g) { return g.windows.IsVisible("frm_vustrel"); },
             [&](const Game& g) {
                 pad.Press(SDL_CONTROLLER_BUTTON_A, false);
                 startAngle = g.st.GunAngle;
                 pad.Press(SDL_CONTROLLER_BUTTON_DPAD_UP, true);  // held: all the way up
             })
        .Then(Nothing)
        .Then(Nothing)
        .Then(Nothing)
        .Then(Nothing)
        .Then([&](const Game& g) {
            heldAngle = g.st.GunAngle;
            pad.Press(SDL_CONTROLLER_BUTTON_DPAD_UP, false);
            pad.Axis(SDL_CONTROLLER_AXIS_LEFTY, 32767);  // stick down
        })
        .Then([&](const Game& g) {
            pad.Axis(SDL_CONTROLLER_AXIS_LEFTY, 0);
            stickAngle = g.st.GunAngle;
            shotsBefore = g.st.ShotCount;
            pad.Press(SDL_CONTROLLER_BUTTON_A, true);  // fire
        })
        .Then([&](const Game& g) {
            pad.Press(SDL_CONTROLLER_BUTTON_A, false);
            shotsAfter = g.st.ShotCount;
            pad.Press(SDL_CONTROLLER_BUTTON_START, true);  // pause
        })
        .Add([&](const Game& g) { return paused = Held(g); },
             [&](const Game&) {
                 pad.Press(SDL_CONTROLLER_BUTTON_START, false);
                 pad.Press(SDL_CONTROLLER_BUTTON_A, true);  // the box's default answer
             })
        .Add([&](const Game& g) { return resumed = !Held(g); },
             [&](const Game&) {
                 pad.Press(SDL_CONTROLLER_BUTTON_A, false);
                 pad.Press(SDL_CONTROLLER_BUTTON_BACK, true);  // held: the menu bar
                 backDown = SDL_GetTicks64();
             })
        .Add([&](const Game&) { return SDL_GetTicks64() - backDown > PadHold::kHoldMs + 100; },
             [&](const Game&) {
                 WindowShot("menu-bar-by-held-back");
                 pad.Press(SDL_CONTROLLER_BUTTON_BACK, false);
             })
        // "О программе", down to "Разработчики", back up to "Правила игры", chosen.
        .Taps(pad, {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_CONTROLLER_BUTTON_DPAD_DOWN,
                    SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_CONTROLLER_BUTTON_A})
        .Add([&](const Game& g) { return rules = g.windows.IsVisible("FrmRules"); }, Nothing)
        .Taps(pad, {SDL_CONTROLLER_BUTTON_B})  // closes them
        .Add([](const Game& g) { return g.windows.IsVisible("frm_vustrel") && !Held(g); }, Nothing)
        .Taps(pad, {SDL_CONTROLLER_BUTTON_BACK})  // a short press asks to leave
        .Add([&](const Game& g) { return asked = Held(g); }, Nothing)
        .Taps(pad, {SDL_CONTROLLER_BUTTON_B})  // No
        .Add(
            [&](const Game& g) {
                return cancelled = !Held(g) && g.windows.IsVisible("frm_vustrel");
            },
            Nothing)
        .Taps(pad, {SDL_CONTROLLER_BUTTON_BACK})
        .Add(Held, [&](const Game&) { pad.Press(SDL_CONTROLLER_BUTTON_A, true); });  // Yes: the end

    ShellOptions options;
    options.appDir = KREPOGOR_SOURCE_DIR;
    options.resourcesDir = KREPOGOR_SOURCE_DIR "/resources";
    options.settingsPath = (config / "settings.ini").string();
    const RunEnd end = RunSteps(options, steps);
    fs::remove_all(config);
    EXPECT_FALSE(end.timedOut);
    EXPECT_EQ(end.status, 0);
    EXPECT_EQ(steps.Taken(), steps.Size());
    // Held for 750 ms: the press alone would aim one step (15 degrees) up,
    // the repeats after half a second take the gun all the way.
    EXPECT_LT(startAngle, 60);
    EXPECT_EQ(heldAngle, 90);
    EXPECT_EQ(stickAngle, 75);  // the stick pushed down once, let go before it repeats
    EXPECT_EQ(shotsAfter, shotsBefore + 1);
    EXPECT_TRUE(paused);
    EXPECT_TRUE(resumed);
    EXPECT_TRUE(rules);
    EXPECT_TRUE(asked);
    EXPECT_TRUE(cancelled);
}

}  // namespace
}  // namespace krepogor
