// In the page SDL has nothing to wait on: it would look for events every
// millisecond, each look a turn of the browser's (the game's stack unwound
// and wound again). The page waits instead for the time given or until the
// player's next key, click, touch or move, or a change of the page's size,
// whichever comes first (page.wake in packaging/web/page.js); at most a
// quarter of a second, so that the end of a track, which the sound's
// callback queues, is heard soon enough (a pad, which sends no events, is
// looked at every 20 ms).
#include "desktop/sdl/SdlEventWait.h"

#include <SDL.h>
#include <emscripten.h>

namespace krepogor {
namespace {

// The page's own code, in JavaScript (which clang-format would spoil).
// clang-format off
EM_ASYNC_JS(void, PageWait, (int ms, int pads), {
    const page = Module.page;
    await new Promise((resolve) => {
        const done = () => {
            clearTimeout(timer);
            page.wake = null;
            resolve();
        };
        const timer = setTimeout(done, Math.min(ms, pads ? 20 : 250));
        // After SDL's own handler of the event has queued it.
        page.wake = () => setTimeout(done, 0);
    });
});
// clang-format on

}  // namespace

bool WaitForEvent(SDL_Event& e, int timeoutMs) {
    if (SDL_PollEvent(&e)) return true;
    PageWait(timeoutMs, SDL_NumJoysticks() > 0);
    return SDL_PollEvent(&e) != 0;
}

}  // namespace krepogor
