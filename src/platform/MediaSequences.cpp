#include "platform/MediaSequences.h"

namespace krepogor {

void StartOrRestart(IMediaDevice& device, bool soundOn) {
    if (device.Position() == 0 && soundOn) device.Command("Play");
    if (device.Position() == device.Length()) {
        device.Command("Prev");
        if (soundOn) device.Command("Play");
    }
}

void LoopTrack(IMediaDevice& device, bool musicOn) {
    if (musicOn && device.Position() == device.Length()) {
        device.Command("Prev");
        device.Command("Play");
    }
}

}  // namespace krepogor
