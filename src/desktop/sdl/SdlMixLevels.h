#pragma once

#include <string>

namespace krepogor {

// Mixer channel volumes (0..128) that leave the mix headroom: the worst
// overlap of a battle (seven explosions, four engines, the shot and the music,
// all starting together) sums below full scale, so the mixer never clips while
// it adds the channels up. The output limiter then gives the level back.
int DeviceVolume(const std::string& deviceName);
constexpr int kWavVolume = 40;

}  // namespace krepogor
