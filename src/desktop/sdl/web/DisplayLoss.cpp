// The page's canvas has no connection to a display server that can break:
// there is nothing to watch.
#include "desktop/sdl/DisplayLoss.h"

namespace krepogor {

void EndOnLostDisplay() {}

}  // namespace krepogor
