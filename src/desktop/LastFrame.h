#pragma once

#include <string>
#include <string_view>

namespace krepogor {

// A recorded run's last frame is saved beside its recording, "FILE.png". It
// carries the game's mark, a text chunk right after the picture's header
// ("Software" = "krepogor"), by which the game tells its own last frames
// from a player's pictures of that name.
std::string LastFramePath(const std::string& recording);

// The mark, as a whole PNG chunk: its length, type, text and CRC.
std::string LastFrameMark();

// Whether a file begins as a last frame of the game's own: the PNG
// signature, the header chunk, the mark.
bool IsLastFrameHead(std::string_view head);

}  // namespace krepogor
