#include "desktop/sdl/SystemBox.h"

#include <langinfo.h>

#include <clocale>
#include <csignal>
#include <cstdlib>
#include <string_view>

namespace krepogor {
namespace {

// The system's box draws with the display server's fonts, in the characters
// of the program's locale, which is "C" (Latin letters only) until it is set:
// the player's own locale when it is a UTF-8 one, else C.UTF-8.
void UseUtf8Locale() {
    if (!std::setlocale(LC_CTYPE, "") || std::string_view(nl_langinfo(CODESET)) != "UTF-8")
        std::setlocale(LC_CTYPE, "C.UTF-8");
}

// The system's box waits in a loop of its own that reads none of the events a
// signal turns into: while it shows, SIGTERM, SIGINT and SIGHUP end the
// program at once, with the status of a start that failed.
void EndOnSignals() {
    const auto end = [](int) { std::_Exit(1); };
    for (int s : {SIGTERM, SIGINT, SIGHUP}) std::signal(s, end);
}

}  // namespace

void PrepareForSystemBox() {
    UseUtf8Locale();
    EndOnSignals();
}

}  // namespace krepogor
