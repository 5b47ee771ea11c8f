// Windows knows a window's frame from its style before the window shows.
#include "desktop/sdl/SdlFrameRequest.h"

namespace krepogor {

void AskWindowFrame(SDL_Window*) {}

}  // namespace krepogor
