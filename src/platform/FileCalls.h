#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace krepogor {

// What a file or a path is, as the book's code needs to know it.
struct FileInfo {
    bool regular = false;
    bool link = false;
    uint64_t device = 0;
    uint64_t inode = 0;
    uint64_t size = 0;  // in bytes
};

// The few file calls the champions' book and the recordings go through, shaped after the
// system's own: each returns -1 (a negative count) with errno set on failure.
// The game uses the system's; tests put in one that fails where they ask.
class IFileCalls {
public:
    virtual ~IFileCalls() = default;
    // Opens an existing file for reading without ever waiting (a pipe or a
    // device opens at once); a link in the last place is followed only when
    // `followLink`.
    virtual int OpenToRead(const std::string& path, bool followLink) = 0;
    // Creates a file that must not exist yet (a link in its place counts as
    // existing), mode 0644 before the umask, open for writing.
    virtual int CreateNew(const std::string& path) = 0;
    // Opens an existing file for reading and writing, never through a link
    // in the last place and without waiting.
    virtual int OpenToChange(const std::string& path) = 0;
    virtual long Read(int fd, char* buf, size_t n) = 0;
    virtual long Write(int fd, const char* buf, size_t n) = 0;
    virtual int Sync(int fd) = 0;
    // Cuts the open file to `size` bytes; the next write goes there.
    virtual int Truncate(int fd, uint64_t size) = 0;
    virtual int Close(int fd) = 0;
    // Takes the exclusive advisory lock on the open file, waiting for it.
    virtual int Lock(int fd) = 0;
    virtual int Info(int fd, FileInfo& out) = 0;
    // What stands at `path` itself, a link not followed.
    virtual int PathInfo(const std::string& path, FileInfo& out) = 0;
    virtual int ReadLink(const std::string& path, std::string& target) = 0;
    virtual int Rename(const std::string& from, const std::string& to) = 0;
    // Pushes a folder's own entries (a rename made in it) to the disk.
    virtual int SyncFolder(const std::string& path) = 0;
    virtual int Remove(const std::string& path) = 0;
    // The names in a folder, "." and ".." left out.
    virtual int ListFolder(const std::string& path, std::vector<std::string>& names) = 0;
    // Creates the folder and any missing folders above it.
    virtual int MakeDirs(const std::string& path) = 0;
};

// The system's file calls.
IFileCalls& SystemFileCalls();

}  // namespace krepogor
