#pragma once

#include "platform/MediaDevice.h"

namespace krepogor {

// Starts a sound effect that is not playing, or starts it again from the top
// when it has played to its end; a device still playing is left alone.
void StartOrRestart(IMediaDevice& device, bool soundOn);

// On a status notification: when music is on and the track has ended, play it
// again from the start.
void LoopTrack(IMediaDevice& device, bool musicOn);

}  // namespace krepogor
