#pragma once

#include <string>

#include "platform/FileCalls.h"

namespace krepogor {

// Replaces the file `target` with `bytes` so that it is either wholly the old
// file or wholly the new one: the bytes go to a fresh file of a unique name
// beside it, created exclusively (nothing already there is ever opened),
// pushed to the disk, and renamed over the target. On failure the target is
// untouched, the fresh file is gone and `error` says what failed.
bool SafeReplace(IFileCalls& files, const std::string& target, const std::string& bytes,
                 std::string& error);

// Removes the fresh files an earlier SafeReplace of `target` left beside it
// (the program killed between the write and the rename). Only while holding
// what keeps every other writer of `target` out: one of theirs may be a file
// being written.
void RemoveLeftovers(IFileCalls& files, const std::string& target);

// The system's reason for the last failed call, after `what`.
std::string CallError(const std::string& what);

}  // namespace krepogor
