// The X Window System's side of losing the display: Xlib calls these handlers
// on a broken connection and on a failed request (a window destroyed under
// the game), where its own print English and end the program.
#include "desktop/sdl/DisplayLoss.h"

#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

namespace krepogor {
namespace {

[[noreturn]] void End() {
    // Nothing of the program's state is touched: the book is only ever
    // replaced whole, and the audio thread may still be playing.
    const ssize_t written = ::write(STDERR_FILENO, kLostDisplayText, std::strlen(kLostDisplayText));
    (void)written;
    std::_Exit(1);
}

int ConnectionBroken(Display*) {
    End();
}

int RequestFailed(Display*, XErrorEvent*) {
    End();
}

}  // namespace

void EndOnLostDisplay() {
    XSetIOErrorHandler(ConnectionBroken);
    XSetErrorHandler(RequestFailed);
}

}  // namespace krepogor
