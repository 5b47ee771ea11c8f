#pragma once

namespace krepogor {

// Readies the program for the system's own box (shown when the game's own
// cannot be drawn): the characters it draws its Russian in, and what ends the
// program while that box waits in a loop of its own.
void PrepareForSystemBox();

}  // namespace krepogor
