#pragma once

#include <ctime>
#include <string>

#include "frontend/OwnFile.h"
#include "platform/FileCalls.h"

namespace krepogor {

// How many runs' recordings the game keeps when no --record asks for one.
constexpr int kKeptRecordings = 3;

// The folder of the kept recordings in the player's data folder: "replays".
std::string KeptRecordingsDir(const std::string& playerDataDir);

// Whether `name` is one the game gives a kept recording: the moment of its
// start in UTC and its number among those of the same second,
// "run-20261209-221500-1.krs".
bool IsKeptRecordingName(const std::string& name);

// Makes the folder `dir` if need be and opens `file` as the next recording
// in it, a new file named for the moment `now`; then removes the oldest of
// the recordings the game made there (their names and their first lines
// show it) so that, with the new one, kKeptRecordings stay. Any other file
// stays as it is. False, with `error` (the system's reason, in Russian), when
// the folder or the file cannot be made.
bool OpenKeptRecording(IFileCalls& files, const std::string& dir, std::time_t now, OwnFile& file,
                       std::string& error);

}  // namespace krepogor
