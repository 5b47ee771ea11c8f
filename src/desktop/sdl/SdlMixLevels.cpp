#include "desktop/sdl/SdlMixLevels.h"

namespace krepogor {

int DeviceVolume(const std::string& deviceName) {
    if (deviceName.rfind("MMControlBum", 0) == 0) return 24;    // explosions
    if (deviceName.rfind("MMControlSound", 0) == 0) return 28;  // engines
    return 48;                                                  // music
}

}  // namespace krepogor
