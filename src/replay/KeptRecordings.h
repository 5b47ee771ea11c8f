#pragma once

#include <ctime>
#include <string>

namespace krepogor {

// How many runs' recordings the game keeps when no --record asks for one.
constexpr int kKeptRecordings = 3;

// The folder of the kept recordings in the player's data folder: "replays".
std::string KeptRecordingsDir(const std::string& playerDataDir);

// Makes the folder if need be, removes the oldest of its recordings so that
// the next one makes kKeptRecordings, and returns the next one's path, named
// for the moment `now` in UTC and numbered among those of the same second
// ("run-20261209-221500-1.krs": newer names sort later). Empty, with `error`
// saying why, when the folder cannot be made.
std::string NextKeptRecording(const std::string& dir, std::time_t now, std::string& error);

}  // namespace krepogor
