#pragma once

#include <string>

namespace krepogor {

// Plays a short WAV file without waiting for it.
class IWavPlayer {
public:
    virtual ~IWavPlayer() = default;
    virtual void PlayAsync(const std::string& path) = 0;
};

}  // namespace krepogor
