#include "frontend/OwnFile.h"

#include <cerrno>

#include "frontend/SystemErrorText.h"

namespace krepogor {
namespace {

// The first bytes of an open file; false when they cannot be read.
bool ReadHead(IFileCalls& files, int fd, std::string& head) {
    head.assign(kHeadBytes, '\0');
    size_t got = 0;
    while (got < kHeadBytes) {
        const long n = files.Read(fd, head.data() + got, kHeadBytes - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    head.resize(got);
    return true;
}

// Whether the open file is a plain one that the game wrote.
bool OpenIsOurs(IFileCalls& files, int fd, Recognise isOurs) {
    FileInfo info;
    std::string head;
    return files.Info(fd, info) == 0 && info.regular && !info.link && ReadHead(files, fd, head) &&
           isOurs(head);
}

}  // namespace

Standing StandingAt(IFileCalls& files, const std::string& path, Recognise isOurs) {
    FileInfo info;
    if (files.PathInfo(path, info) != 0)
        return errno == ENOENT ? Standing::Nothing : Standing::Unknown;
    if (info.link) return Standing::Link;
    if (!info.regular) return Standing::NotAFile;
    const int fd = files.OpenToRead(path, false);
    if (fd < 0) return Standing::NotOurs;
    const bool ours = OpenIsOurs(files, fd, isOurs);
    files.Close(fd);
    return ours ? Standing::Ours : Standing::NotOurs;
}

Standing OwnFile::Open(const std::string& path, Recognise isOurs, std::string& error) {
    Close();
    const Standing standing = StandingAt(files_, path, isOurs);
    if (standing == Standing::Unknown) error = SystemErrorText(errno);
    if (standing == Standing::Nothing) return Create(path, error) ? standing : Standing::Unknown;
    if (standing != Standing::Ours) return standing;
    const int fd = files_.OpenToChange(path);
    if (fd < 0) {
        error = SystemErrorText(errno);
        return Standing::Unknown;
    }
    // Looked at again through what writes it: the file may have changed since.
    if (!OpenIsOurs(files_, fd, isOurs)) {
        files_.Close(fd);
        return Standing::NotOurs;
    }
    fd_ = fd;
    path_ = path;
    emptyFirst_ = true;
    return Standing::Ours;
}

bool OwnFile::Create(const std::string& path, std::string& error) {
    Close();
    fd_ = files_.CreateNew(path);
    if (fd_ < 0) {
        const int why = errno;
        error = SystemErrorText(why);
        errno = why;
        return false;
    }
    path_ = path;
    madeEmpty_ = true;
    return true;
}

bool OwnFile::Append(std::string_view bytes) {
    if (fd_ < 0 || failed_) return false;
    if (emptyFirst_) {
        emptyFirst_ = false;
        madeEmpty_ = true;
        if (files_.Truncate(fd_, 0) != 0) {
            failed_ = true;
            error_ = SystemErrorText(errno);
            return false;
        }
    }
    size_t done = 0;
    while (done < bytes.size()) {
        const long n = files_.Write(fd_, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            failed_ = true;
            error_ = SystemErrorText(n == 0 ? ENOSPC : errno);
            // What went out of these bytes is taken back.
            if (done > 0) files_.Truncate(fd_, size_);
            return false;
        }
        done += static_cast<size_t>(n);
    }
    size_ += bytes.size();
    return true;
}

void OwnFile::Close() {
    if (fd_ < 0) return;
    files_.Close(fd_);
    fd_ = -1;
    // A file that holds nothing because of this one is no file of the game's.
    if (madeEmpty_ && size_ == 0) files_.Remove(path_);
    emptyFirst_ = madeEmpty_ = failed_ = false;
    error_.clear();
    size_ = 0;
}

}  // namespace krepogor
