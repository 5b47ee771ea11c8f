// The real desktop program on SDL's dummy video and sound drivers, driven by
// pushed input: a battle started from the main menu, keys, the menu bar, the
// pause box, and the close box that ends it all.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>

#include "desktop/MenuBar.h"
#include "desktop/WindowLooks.h"
#include "desktop/sdl/SdlShell.h"
#include "state/Game.h"

namespace krepogor {
namespace {

void PushKey(SDL_Scancode sc) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.scancode = sc;
    SDL_PushEvent(&e);
    e.type = SDL_KEYUP;
    e.key.state = SDL_RELEASED;
    SDL_PushEvent(&e);
}

void PushClick(int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = SDL_PRESSED;
    e.button.x = x;
    e.button.y = y;
    SDL_PushEvent(&e);
    e.type = SDL_MOUSEBUTTONUP;
    e.button.state = SDL_RELEASED;
    SDL_PushEvent(&e);
}

void PushQuit() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
}

// A box holds the battle: the always-running effect timer stops meanwhile.
bool Held(const Game& g) {
    return g.windows.IsVisible("frm_vustrel") && !g.frm_vustrel.TmrBum.Enabled();
}

// Steps run one after another, each once its condition holds and at least
// `gap` ms after the step before.
struct Step {
    std::function<bool(const Game&)> ready;
    std::function<void(const Game&)> act;
};

TEST(Shell, PlaysAndEndsOnDummyDrivers) {
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);

    bool heldByEsc = false, paused = false, resumed = false;
    int16_t startAngle = -1, angle = -1;
    bool musicAfterClick = true;
    const auto always = [](const Game&) { return true; };
    std::vector<Step> steps = {
        {[](const Game& g) { return g.windows.IsVisible("frm_menu"); },
         [](const Game&) { PushClick(300, 150); }},  // "Новая Игра"
        {[](const Game& g) { return g.windows.IsVisible("frm_vustrel"); },
         [&](const Game& g) {
             startAngle = g.st.GunAngle;
             PushKey(SDL_SCANCODE_UP);
             PushKey(SDL_SCANCODE_UP);
             PushKey(SDL_SCANCODE_SPACE);
             PushKey(SDL_SCANCODE_DOWN);
         }},
        {always,
         [&](const Game& g) {
             angle = g.st.GunAngle;
             PushClick(10, 10);             // opens "Игра"
             PushKey(SDL_SCANCODE_ESCAPE);  // closes it and must not ask to leave
         }},
        {always,
         [&](const Game&) {
             PushClick(10, 10);
             PushClick(30, MenuBarHeight + 3 + MenuBar::ItemHeight + 10);  // "Музыка"
         }},
        {always,
         [&](const Game& g) {
             musicAfterClick = g.frm_vustrel.Music_Checked;
             PushKey(SDL_SCANCODE_P);  // pause
         }},
        {[&](const Game& g) { return paused = Held(g); },
         [](const Game&) { PushKey(SDL_SCANCODE_RETURN); }},
        {[](const Game& g) { return !Held(g); },
         [&](const Game&) {
             resumed = true;
             PushQuit();
         }},
    };

    size_t next = 0;
    Uint64 last = 0, start = 0;
    ShellOptions options;
    options.appDir = KREPOGOR_SOURCE_DIR;
    options.resourcesDir = KREPOGOR_SOURCE_DIR "/resources";
    options.onPass = [&](const Game& g) {
        const Uint64 now = SDL_GetTicks64();
        if (start == 0) start = now;
        if (next == 3 || next == 4) heldByEsc = heldByEsc || Held(g);
        if (now - start > 15000) {  // whatever happened, do not hang
            PushQuit();
            return;
        }
        if (next < steps.size() && now - last >= 120 && steps[next].ready(g)) {
            steps[next].act(g);
            ++next;
            last = now;
        }
    };
    EXPECT_EQ(RunDesktopGame(options), 0);
    EXPECT_EQ(next, steps.size());
    // Up, Up, Down: one step of 15 degrees up from where the battle starts.
    EXPECT_EQ(angle, startAngle + 15);
    EXPECT_FALSE(heldByEsc);
    EXPECT_FALSE(musicAfterClick);
    EXPECT_TRUE(paused);
    EXPECT_TRUE(resumed);
}

}  // namespace
}  // namespace krepogor
