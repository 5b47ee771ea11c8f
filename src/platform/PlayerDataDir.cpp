#include "platform/PlayerDataDir.h"

#include <filesystem>

#include "platform/Utf8Path.h"

namespace krepogor {
namespace {

// The game's folder in the XDG base folder `xdg`, else in `inHome` under the
// home folder. Only an absolute `xdg` counts; a relative one is ignored.
std::string XdgFolder(const char* xdg, const char* home, const std::filesystem::path& inHome) {
    if (xdg && xdg[0] == '/') return Utf8Of(PathOf(xdg) / "krepogor");
    if (home && home[0] != '\0') return Utf8Of(PathOf(home) / inHome / "krepogor");
    return "";
}

}  // namespace

std::string PlayerDataDir(const char* xdgDataHome, const char* home) {
    return XdgFolder(xdgDataHome, home, std::filesystem::path(".local") / "share");
}

std::string PlayerConfigDir(const char* xdgConfigHome, const char* home) {
    return XdgFolder(xdgConfigHome, home, ".config");
}

}  // namespace krepogor
