// The page's canvas has no frame around it to ask for.
#include "desktop/sdl/SdlFrameRequest.h"

namespace krepogor {

void AskWindowFrame(SDL_Window*) {}

}  // namespace krepogor
