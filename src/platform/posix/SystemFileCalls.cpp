#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/FileCalls.h"

namespace krepogor {
namespace {

void Describe(const struct stat& st, FileInfo& out) {
    out.regular = S_ISREG(st.st_mode);
    out.link = S_ISLNK(st.st_mode);
    out.device = static_cast<uint64_t>(st.st_dev);
    out.inode = static_cast<uint64_t>(st.st_ino);
    out.size = static_cast<uint64_t>(st.st_size);
}

class SystemCalls : public IFileCalls {
public:
    int OpenToRead(const std::string& path, bool followLink) override {
        return ::open(path.c_str(),
                      O_RDONLY | O_NONBLOCK | O_CLOEXEC | (followLink ? 0 : O_NOFOLLOW));
    }
    int CreateNew(const std::string& path) override {
        return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    }
    int OpenToChange(const std::string& path) override {
        return ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    }
    long Read(int fd, char* buf, size_t n) override { return ::read(fd, buf, n); }
    long Write(int fd, const char* buf, size_t n) override { return ::write(fd, buf, n); }
    int Sync(int fd) override { return ::fsync(fd); }
    int Truncate(int fd, uint64_t size) override {
        const auto at = static_cast<off_t>(size);
        if (::ftruncate(fd, at) != 0) return -1;
        return ::lseek(fd, at, SEEK_SET) < 0 ? -1 : 0;
    }
    int Close(int fd) override { return ::close(fd); }
    int SyncFolder(const std::string& path) override {
        const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return -1;
        const int r = ::fsync(fd);
        const int saved = errno;
        ::close(fd);
        errno = saved;
        return r;
    }
    int Lock(int fd) override {
        int r;
        do r = ::flock(fd, LOCK_EX);
        while (r != 0 && errno == EINTR);
        return r;
    }
    int Info(int fd, FileInfo& out) override {
        struct stat st {};
        if (::fstat(fd, &st) != 0) return -1;
        Describe(st, out);
        return 0;
    }
    int PathInfo(const std::string& path, FileInfo& out) override {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) return -1;
        Describe(st, out);
        return 0;
    }
    int ReadLink(const std::string& path, std::string& target) override {
        char buf[4096];
        const ssize_t n = ::readlink(path.c_str(), buf, sizeof buf);
        if (n < 0) return -1;
        if (static_cast<size_t>(n) == sizeof buf) {
            errno = ENAMETOOLONG;
            return -1;
        }
        target.assign(buf, static_cast<size_t>(n));
        return 0;
    }
    int Rename(const std::string& from, const std::string& to) override {
        return ::rename(from.c_str(), to.c_str());
    }
    int Remove(const std::string& path) override { return ::unlink(path.c_str()); }
    int ListFolder(const std::string& path, std::vector<std::string>& names) override {
        DIR* dir = ::opendir(path.c_str());
        if (!dir) return -1;
        names.clear();
        errno = 0;
        while (const dirent* e = ::readdir(dir)) {
            const std::string name = e->d_name;
            if (name != "." && name != "..") names.push_back(name);
        }
        const int saved = errno;
        ::closedir(dir);
        errno = saved;
        return saved == 0 ? 0 : -1;
    }
    int MakeDirs(const std::string& path) override {
        std::error_code ec;
        std::filesystem::create_directories(path, ec);
        if (!ec) return 0;
        errno = ec.value();
        return -1;
    }
};

}  // namespace

IFileCalls& SystemFileCalls() {
    static SystemCalls calls;
    return calls;
}

}  // namespace krepogor
