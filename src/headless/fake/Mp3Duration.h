#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace krepogor {

// How long an MP3 file plays, read from its frame headers without decoding:
// the encoder's header frame ("Xing" or "Info", with the LAME extension) gives
// the number of frames and the encoder's delay and padding, which a gapless
// decoder leaves out; a file without one plays all its frames. Empty when the
// file is missing or holds no MPEG audio frame.
struct Mp3Duration {
    int64_t samples = 0;  // per channel
    int rate = 0;         // samples a second

    int64_t Milliseconds() const { return rate > 0 ? samples * 1000 / rate : 0; }
};

std::optional<Mp3Duration> ReadMp3Duration(const std::string& path);

}  // namespace krepogor
