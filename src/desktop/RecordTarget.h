#pragma once

#include <string>

#include "frontend/OwnFile.h"
#include "platform/FileCalls.h"

namespace krepogor {

// Opens `file` for `krepogor --record PATH`: PATH when nothing stands there
// or a recording of the game's own does (emptied only as the run writes),
// never through a link or into anything but a plain file. The last frame's
// place beside it (LastFramePath) must hold nothing or a last frame of the
// game's own, which goes now: it shows the end of the recording replaced.
// Returns 0, or the exit status with the refusal in Russian in `error`:
// 2 when the player named a file the game leaves alone, 1 when the system
// refused.
int OpenRecordTarget(IFileCalls& files, const std::string& path, OwnFile& file, std::string& error);

// Saves the PNG `png` as the last frame at `path`, where nothing stands or
// a last frame of the game's own; "" when it is there whole, else why not,
// in Russian (a file the game did not write is left as it is).
std::string SaveLastFrame(IFileCalls& files, const std::string& path, const std::string& png);

}  // namespace krepogor
