#include "frontend/BookLock.h"

#include <cerrno>
#include <filesystem>

#include "frontend/PrintableText.h"
#include "frontend/SafeReplace.h"
#include "platform/Utf8Path.h"

namespace krepogor {
namespace {

constexpr int kMaxLinks = 40;
constexpr int kMaxTries = 100;

}  // namespace

bool FollowLinks(IFileCalls& files, const std::string& path, std::string& target,
                 std::string& error) {
    namespace fs = std::filesystem;
    target = path;
    for (int i = 0; i < kMaxLinks; ++i) {
        FileInfo info;
        if (files.PathInfo(target, info) != 0) {
            if (errno == ENOENT) return true;  // a book still to be made
            error = CallError("не удаётся проверить файл " + QuotedPath(target));
            return false;
        }
        if (!info.link) return true;
        std::string to;
        if (files.ReadLink(target, to) != 0) {
            error = CallError("не читается ссылка " + QuotedPath(target));
            return false;
        }
        const fs::path next = PathOf(to);
        target = next.is_absolute() ? to : Utf8Of(PathOf(target).parent_path() / next);
    }
    error = "слишком много ссылок подряд от " + QuotedPath(path);
    return false;
}

BookLock::BookLock(IFileCalls& files, const std::string& target) : files_(files) {
    // The book may be replaced by another copy between the open and the lock:
    // then the lock holds a file that is no longer the book, and we go again.
    bool made = false;
    for (int i = 0; i < kMaxTries; ++i) {
        int fd = files.OpenToRead(target, false);
        if (fd < 0 && errno == ENOENT) {
            fd = files.CreateNew(target);
            made = fd >= 0;
            if (fd < 0 && errno == EEXIST) continue;
            if (fd < 0) {
                error_ = CallError("не создаётся файл " + QuotedPath(target));
                return;
            }
            files.Close(fd);
            continue;
        }
        if (fd < 0) {
            state_ = State::Unreadable;
            error_ = CallError("не открывается файл " + QuotedPath(target));
            return;
        }
        FileInfo held, now;
        const bool looked = files.Info(fd, held) == 0;
        if (!looked || !held.regular) {
            state_ = State::Unreadable;
            error_ = looked ? QuotedPath(target) + " — не обычный файл"
                            : CallError("не удаётся проверить файл " + QuotedPath(target));
            files.Close(fd);
            return;
        }
        if (files.Lock(fd) != 0) {
            error_ = CallError("не блокируется файл " + QuotedPath(target));
            files.Close(fd);
            return;
        }
        if (files.PathInfo(target, now) == 0 && now.device == held.device &&
            now.inode == held.inode) {
            fd_ = fd;
            state_ = State::Locked;
            created_ = made;
            return;
        }
        files.Close(fd);
    }
    error_ = "книгу " + QuotedPath(target) + " раз за разом заменяет другая копия игры";
}

BookLock::~BookLock() {
    if (fd_ >= 0) files_.Close(fd_);
}

bool ReadUpTo(IFileCalls& files, int fd, size_t limit, std::string& bytes) {
    bytes.assign(limit, '\0');
    size_t done = 0;
    while (done < limit) {
        const long n = files.Read(fd, bytes.data() + done, limit - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        done += static_cast<size_t>(n);
    }
    bytes.resize(done);
    return true;
}

}  // namespace krepogor
