// The real desktop program at its main menu: it sleeps instead of waking for
// every tick of the hidden battle window's timers, and those timers still
// count every period.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "desktop/sdl/SdlShell.h"
#include "state/Game.h"

namespace krepogor {
namespace {

TEST(ShellIdle, TheMainMenuSleepsWhileTheHiddenTimersKeepCount) {
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    Uint64 first = 0;
    int passes = 0, worstDrift = 0;
    float count = 0;
    ShellOptions options;
    options.appDir = KREPOGOR_SOURCE_DIR;
    options.resourcesDir = KREPOGOR_SOURCE_DIR "/resources";
    options.onPass = [&](const Game& g) {
        const Uint64 now = SDL_GetTicks64();
        if (first == 0) first = now;
        ++passes;
        // The countdown timer ticks once a second below zero behind the menu.
        count = g.st.Count5;
        const int expected = -static_cast<int>((now - first) / 1000);
        worstDrift = std::max(worstDrift, std::abs(static_cast<int>(count) - expected));
        if (now - first >= 3500) {
            SDL_Event e{};
            e.type = SDL_QUIT;
            SDL_PushEvent(&e);
        }
    };
    EXPECT_EQ(RunDesktopGame(options), 0);
    EXPECT_LE(count, -3);
    EXPECT_LE(worstDrift, 1);
    // Woken for every 20 ms tick it would have passed here some 175 times.
    EXPECT_LE(passes, 20);
}

}  // namespace
}  // namespace krepogor
