#include "platform/PlayerDataDir.h"

#include "platform/Utf8Path.h"

namespace krepogor {

std::string PlayerDataDir(const char* xdgDataHome, const char* home) {
    // Only an absolute XDG_DATA_HOME counts; a relative one is ignored.
    if (xdgDataHome && xdgDataHome[0] == '/') return Utf8Of(PathOf(xdgDataHome) / "krepogor");
    if (home && home[0] != '\0') return Utf8Of(PathOf(home) / ".local" / "share" / "krepogor");
    return "";
}

std::string PlayerConfigDir(const char* xdgConfigHome, const char* home) {
    if (xdgConfigHome && xdgConfigHome[0] == '/') return Utf8Of(PathOf(xdgConfigHome) / "krepogor");
    if (home && home[0] != '\0') return Utf8Of(PathOf(home) / ".config" / "krepogor");
    return "";
}

}  // namespace krepogor
