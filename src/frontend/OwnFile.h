#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/FileCalls.h"

namespace krepogor {

// What stands at a path where the game would write a file of its own (a
// recording, the last frame beside it): nothing, a plain file whose first
// bytes show the game wrote it, or something the game must leave alone.
enum class Standing {
    Nothing,   // no file by that name
    Ours,      // a plain file the game wrote
    Link,      // a symbolic link, wherever it leads
    NotAFile,  // a folder, a device, a pipe ...
    NotOurs,   // a plain file the game did not write (or that cannot be read)
    Unknown,   // the system cannot say (the folder cannot be searched, ...)
};

// Tells a file of the game's own kind by its first bytes (at most kHeadBytes).
using Recognise = bool (*)(std::string_view head);
inline constexpr size_t kHeadBytes = 64;

// What stands at `path`, a link never followed; errno says why for Unknown.
Standing StandingAt(IFileCalls& files, const std::string& path, Recognise isOurs);

// One of the game's own files open for writing. Open takes a path where
// nothing stands (the file is made, exclusively) or where a file of the
// game's own kind stands; it never writes through a link or into anything
// but a plain file. An existing file is emptied only by the first write, so
// a run that writes nothing leaves it as it was; a file this left empty goes
// when it closes. A write that fails cuts the file back to what was written
// before it, whole, and nothing more is written.
class OwnFile {
public:
    explicit OwnFile(IFileCalls& files = SystemFileCalls()) : files_(files) {}
    ~OwnFile() { Close(); }
    OwnFile(const OwnFile&) = delete;
    OwnFile& operator=(const OwnFile&) = delete;

    // Nothing or Ours when it opened; the standing that forbids it
    // otherwise, Unknown with `error` (the system's reason, in Russian) when
    // a call failed.
    Standing Open(const std::string& path, Recognise isOurs, std::string& error);
    // Opens a new file at `path` only (the caller picked a free name);
    // errno stays the system's reason when it fails.
    bool Create(const std::string& path, std::string& error);
    bool IsOpen() const { return fd_ >= 0; }
    const std::string& Path() const { return path_; }

    // Writes all of `bytes` after what is written; false, and nothing more
    // is ever written, when the system refused (Error says why).
    bool Append(std::string_view bytes);
    bool Failed() const { return failed_; }
    const std::string& Error() const { return error_; }
    uint64_t Size() const { return size_; }

    void Close();

private:
    IFileCalls& files_;
    std::string path_;
    int fd_ = -1;
    bool emptyFirst_ = false;  // a file of ours found there, emptied at the first write
    bool madeEmpty_ = false;   // made or emptied by this
    bool failed_ = false;
    std::string error_;
    uint64_t size_ = 0;
};

}  // namespace krepogor
