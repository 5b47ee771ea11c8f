#pragma once

// Plays the real desktop shell by pushing input into SDL's event queue from
// the shell's own loop, one step at a time, as a player would.
#include <SDL.h>

#include <functional>
#include <vector>

#include "desktop/sdl/SdlShell.h"
#include "state/Game.h"

namespace krepogor {

struct Step {
    std::function<bool(const Game&)> ready;  // the step waits for this
    std::function<void(const Game&)> act;
};

inline bool Always(const Game&) {
    return true;
}

// A battle held by a box (the pause, the exit question): no battle timer runs.
inline bool Held(const Game& g) {
    return g.windows.IsVisible("frm_vustrel") && !g.frm_vustrel.TmrBum.Enabled();
}

// Runs the game with `options` on SDL's dummy drivers (unless the
// environment names others: the end-to-end test runs it in a window on its X
// server), taking each step once it is ready, at least `everyMs` after the
// one before ended. The program is ended after `limitMs` whatever happened.
// Returns the game's exit status; `done` counts the steps taken.
inline int RunSteps(ShellOptions options, std::vector<Step>& steps, size_t& done,
                    Uint64 everyMs = 150, Uint64 limitMs = 20000) {
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 0);
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    done = 0;
    Uint64 last = 0, start = 0;
    options.onPass = [&](const Game& g) {
        const Uint64 now = SDL_GetTicks64();
        if (start == 0) start = now;
        if (now - start > limitMs) {
            SDL_Event q{};
            q.type = SDL_QUIT;
            SDL_PushEvent(&q);
            return;
        }
        if (done < steps.size() && now - last >= everyMs && steps[done].ready(g)) {
            steps[done].act(g);
            ++done;
            last = SDL_GetTicks64();  // after what the step waited for
        }
    };
    return RunDesktopGame(options);
}

// A left click at a point of the window, as a mouse makes it.
inline void PushClick(int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = SDL_PRESSED;
    e.button.x = x;
    e.button.y = y;
    SDL_PushEvent(&e);
}

}  // namespace krepogor
