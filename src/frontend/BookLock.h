#pragma once

#include <string>

#include "platform/FileCalls.h"

namespace krepogor {

// The file a book's path stands for: the path itself, or where its links
// lead (each relative link read from its own folder). False, with the reason
// in `error`, when the links go round or cannot be read.
bool FollowLinks(IFileCalls& files, const std::string& path, std::string& target,
                 std::string& error);

// The book file `target` (no link), open and locked against every other copy
// of the game, created empty when missing. Closing it gives the lock back.
class BookLock {
public:
    enum class State { Locked, Unreadable, Failed };

    BookLock(IFileCalls& files, const std::string& target);
    ~BookLock();
    BookLock(const BookLock&) = delete;
    BookLock& operator=(const BookLock&) = delete;

    State state() const { return state_; }
    int fd() const { return fd_; }
    const std::string& error() const { return error_; }
    // The file was missing and this lock made it (empty): it is this
    // holder's to fill or to remove, unless another copy filled it first.
    bool created() const { return created_; }

private:
    IFileCalls& files_;
    State state_ = State::Failed;
    int fd_ = -1;
    bool created_ = false;
    std::string error_;
};

// Reads up to `limit` bytes from the start of an open file into `bytes`.
bool ReadUpTo(IFileCalls& files, int fd, size_t limit, std::string& bytes);

}  // namespace krepogor
