#pragma once

namespace krepogor {

class Game;

// Every way out of the program ends here: the timers stop, the devices are
// stopped and closed, the windows close, and the process ends (ProgramEnded).
[[noreturn]] void Shutdown(Game& g);

}  // namespace krepogor
