// Windows has no hang-up signal: the game is a GUI program with no terminal
// to lose, and the end of the player's session reaches it through its window
// like any other close.
#include "desktop/sdl/SdlHangup.h"

namespace krepogor {

void QuitOnHangup() {}

}  // namespace krepogor
