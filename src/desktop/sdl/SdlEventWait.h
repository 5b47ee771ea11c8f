#pragma once

union SDL_Event;

namespace krepogor {

// Waits for the next event, at most `timeoutMs`: true with it in `e`, false
// when the time ran out (or, in the page, a shorter one; see web/). The
// loops of the shell and its boxes wait here.
bool WaitForEvent(SDL_Event& e, int timeoutMs);

}  // namespace krepogor
