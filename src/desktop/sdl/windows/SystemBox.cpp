// Windows' own box draws its text as UTF-16 whatever the locale, and no
// signal is sent to end a program waiting in it: nothing to ready.
#include "desktop/sdl/SystemBox.h"

namespace krepogor {

void PrepareForSystemBox() {}

}  // namespace krepogor
