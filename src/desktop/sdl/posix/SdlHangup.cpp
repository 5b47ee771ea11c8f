#include "desktop/sdl/SdlHangup.h"

#include <signal.h>
#include <unistd.h>

namespace krepogor {
namespace {

// Only what is safe in a signal handler: SDL's own handler of SIGTERM turns
// it into the quit event.
void PassOnAsTerminate(int) {
    ::kill(::getpid(), SIGTERM);
}

}  // namespace

void QuitOnHangup() {
    struct sigaction now {};
    if (::sigaction(SIGHUP, nullptr, &now) != 0 || now.sa_handler == SIG_IGN) return;
    struct sigaction act {};
    act.sa_handler = PassOnAsTerminate;
    sigemptyset(&act.sa_mask);
    act.sa_flags = SA_RESTART;
    ::sigaction(SIGHUP, &act, nullptr);
}

}  // namespace krepogor
