#include "platform/SystemPlaces.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/PlayerDataDir.h"

namespace krepogor {
namespace {

// HOME, or the account's home folder when HOME is not set.
const char* HomeDir() {
    const char* home = std::getenv("HOME");
    if (home && home[0] != '\0') return home;
    const passwd* pw = ::getpwuid(::getuid());
    return pw ? pw->pw_dir : nullptr;
}

}  // namespace

std::string PlayerDataFolder() {
    return PlayerDataDir(std::getenv("XDG_DATA_HOME"), HomeDir());
}

std::string WhyNoPlayerFolder() {
    return "не заданы ни XDG_DATA_HOME, ни HOME, а у учётной записи нет домашней папки";
}

std::string PlayerSettingsFolder() {
    return PlayerConfigDir(std::getenv("XDG_CONFIG_HOME"), HomeDir());
}

bool MayWrite(const std::string& path) {
    return ::access(path.c_str(), W_OK) == 0;
}

}  // namespace krepogor
