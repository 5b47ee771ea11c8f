#pragma once

namespace krepogor {

class Game;

// Whether the program may let the game's timers wait instead of waking for
// each of their ticks. They all belong to the battle window: while it is not
// on the screen and no battle runs there, they only turn frames nobody sees
// and count down a countdown that cannot reach its end. Timers that waited
// are caught up, each period at its own time and in due order, whenever the
// program wakes for anything else and at least once a second, so the game
// finds them exactly where they would have been.
bool TimersMayWait(const Game& g);

}  // namespace krepogor
