// Windows has no connection to a display server that can break, and no
// display library of its own that would end the program in English: there
// is nothing to watch.
#include "desktop/sdl/DisplayLoss.h"

namespace krepogor {

void EndOnLostDisplay() {}

}  // namespace krepogor
