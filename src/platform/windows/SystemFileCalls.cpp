// The book's file calls on Windows. Paths are UTF-8 and go to the system as
// UTF-16. A number stands for each open file, as on POSIX.
//
// Windows cannot move a file over one that is open, so the book is never
// held open while the game waits for the lock or when it moves the new book
// into place: the lock is a named mutex that stands for the book's full path
// (two copies of the game wait on it, and a copy that dies gives it back),
// not the file itself. While waiting for it the book is closed; it is opened
// again once the lock is held (the caller then checks that it is still the
// book). The move first closes this program's own handles on the old book.
#include <windows.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <system_error>
#include <vector>

#include "platform/FileCalls.h"
#include "platform/windows/Wide.h"

namespace krepogor {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// A reader in another program may hold the old book for a moment.
constexpr int kMoveTries = 40;
constexpr DWORD kMoveRetryMs = 25;

int Failed() {
    SetErrnoFrom(GetLastError());
    return -1;
}

std::wstring FullPath(const std::string& path) {
    const std::wstring wide = WideOf(path);
    const DWORD n = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (n == 0) return wide;
    std::wstring full(n, L'\0');
    const DWORD used = GetFullPathNameW(wide.c_str(), n, full.data(), nullptr);
    full.resize(used < n ? used : 0);
    return full.empty() ? wide : full;
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// The lock's name: the book's full path, case folded as the file system
// folds it, hashed (a mutex name may not hold backslashes).
std::wstring LockName(const std::wstring& fullPath) {
    std::wstring upper = fullPath;
    CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
    uint64_t h = 1469598103934665603ULL;
    for (wchar_t c : upper) h = (h ^ static_cast<uint16_t>(c)) * 1099511628211ULL;
    wchar_t name[64];
    swprintf(name, 64, L"Local\\krepogor-book-%016llx", static_cast<unsigned long long>(h));
    return name;
}

bool IsSymlink(HANDLE h, DWORD attributes) {
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return false;
    FILE_ATTRIBUTE_TAG_INFO tag{};
    return GetFileInformationByHandleEx(h, FileAttributeTagInfo, &tag, sizeof tag) &&
           tag.ReparseTag == IO_REPARSE_TAG_SYMLINK;
}

int Describe(HANDLE h, FileInfo& out) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(h, &info)) return Failed();
    out.link = IsSymlink(h, info.dwFileAttributes);
    out.regular = !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !out.link &&
                  GetFileType(h) == FILE_TYPE_DISK;
    out.device = info.dwVolumeSerialNumber;
    out.inode = (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    out.size = (static_cast<uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    return 0;
}

struct Slot {
    bool used = false;
    HANDLE file = INVALID_HANDLE_VALUE;
    HANDLE lock = nullptr;
    std::wstring path;  // full
    DWORD access = 0;
    DWORD flags = 0;
};

class SystemCalls : public IFileCalls {
public:
    int OpenToRead(const std::string& path, bool followLink) override {
        return Open(path, GENERIC_READ, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS | (followLink ? 0 : FILE_FLAG_OPEN_REPARSE_POINT));
    }
    int CreateNew(const std::string& path) override {
        return Open(path, GENERIC_WRITE, CREATE_NEW,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT);
    }
    int OpenToChange(const std::string& path) override {
        return Open(path, GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT);
    }
    long Read(int fd, char* buf, size_t n) override {
        const HANDLE h = FileOf(fd);
        if (h == INVALID_HANDLE_VALUE) return -1;
        DWORD got = 0;
        if (!ReadFile(h, buf, Chunk(n), &got, nullptr))
            return GetLastError() == ERROR_BROKEN_PIPE ? 0 : Failed();
        return static_cast<long>(got);
    }
    long Write(int fd, const char* buf, size_t n) override {
        const HANDLE h = FileOf(fd);
        if (h == INVALID_HANDLE_VALUE) return -1;
        DWORD put = 0;
        if (!WriteFile(h, buf, Chunk(n), &put, nullptr)) return Failed();
        return static_cast<long>(put);
    }
    int Sync(int fd) override {
        const HANDLE h = FileOf(fd);
        if (h == INVALID_HANDLE_VALUE) return -1;
        return FlushFileBuffers(h) ? 0 : Failed();
    }
    int Truncate(int fd, uint64_t size) override {
        const HANDLE h = FileOf(fd);
        if (h == INVALID_HANDLE_VALUE) return -1;
        LARGE_INTEGER at{};
        at.QuadPart = static_cast<LONGLONG>(size);
        if (!SetFilePointerEx(h, at, nullptr, FILE_BEGIN) || !SetEndOfFile(h)) return Failed();
        return 0;
    }
    int Close(int fd) override {
        std::lock_guard<std::mutex> guard(mutex_);
        Slot* s = SlotOf(fd);
        if (!s) return -1;
        bool ok = true;
        DWORD error = 0;
        if (s->file != INVALID_HANDLE_VALUE && !CloseHandle(s->file)) {
            ok = false;
            error = GetLastError();
        }
        if (s->lock) {
            ReleaseMutex(s->lock);
            CloseHandle(s->lock);
        }
        *s = Slot{};
        if (ok) return 0;
        SetErrnoFrom(error);
        return -1;
    }
    int Lock(int fd) override {
        Slot copy;
        {
            std::lock_guard<std::mutex> guard(mutex_);
            Slot* s = SlotOf(fd);
            if (!s) return -1;
            if (s->lock) return 0;
            // Closed while waiting, so that the copy holding the lock can move its book in.
            if (s->file != INVALID_HANDLE_VALUE) CloseHandle(s->file);
            s->file = INVALID_HANDLE_VALUE;
            copy = *s;
        }
        const HANDLE lock = CreateMutexW(nullptr, FALSE, LockName(copy.path).c_str());
        if (!lock) return Failed();
        const DWORD waited = WaitForSingleObject(lock, INFINITE);
        if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
            const int r = Failed();
            CloseHandle(lock);
            return r;
        }
        const HANDLE file = CreateFileW(copy.path.c_str(), copy.access, kShareAll, nullptr,
                                        OPEN_EXISTING, copy.flags, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            const int r = Failed();
            ReleaseMutex(lock);
            CloseHandle(lock);
            return r;
        }
        std::lock_guard<std::mutex> guard(mutex_);
        Slot* s = SlotOf(fd);
        s->file = file;
        s->lock = lock;
        return 0;
    }
    int Info(int fd, FileInfo& out) override {
        const HANDLE h = FileOf(fd);
        if (h == INVALID_HANDLE_VALUE) return -1;
        return Describe(h, out);
    }
    int PathInfo(const std::string& path, FileInfo& out) override {
        const std::wstring wide = WideOf(path);
        HANDLE h =
            CreateFileW(wide.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                        FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (h == INVALID_HANDLE_VALUE) return Failed();
        int r = Describe(h, out);
        BY_HANDLE_FILE_INFORMATION info{};
        if (r == 0 && !out.link && GetFileInformationByHandle(h, &info) &&
            (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
            // Some other kind of reparse point (a placeholder of a cloud
            // folder, say): what counts is the file it stands for.
            CloseHandle(h);
            h = CreateFileW(wide.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                            FILE_FLAG_BACKUP_SEMANTICS, nullptr);
            if (h == INVALID_HANDLE_VALUE) return Failed();
            r = Describe(h, out);
        }
        CloseHandle(h);
        return r;
    }
    // Windows resolves the whole chain of links at once: the target is the
    // file the last of them leads to.
    int ReadLink(const std::string& path, std::string& target) override {
        const HANDLE h = CreateFileW(WideOf(path).c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr,
                                     OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (h == INVALID_HANDLE_VALUE) return Failed();
        std::wstring final(MAX_PATH, L'\0');
        DWORD n = GetFinalPathNameByHandleW(h, final.data(), static_cast<DWORD>(final.size()),
                                            FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (n >= final.size()) {
            final.resize(n + 1);
            n = GetFinalPathNameByHandleW(h, final.data(), static_cast<DWORD>(final.size()),
                                          FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        }
        const int r = n == 0 || n >= final.size() ? Failed() : 0;
        CloseHandle(h);
        if (r != 0) return r;
        final.resize(n);
        if (final.rfind(L"\\\\?\\UNC\\", 0) == 0)
            final = L"\\\\" + final.substr(8);
        else if (final.rfind(L"\\\\?\\", 0) == 0)
            final = final.substr(4);
        target = Utf8OfWide(final);
        return 0;
    }
    int Rename(const std::string& from, const std::string& to) override {
        const std::wstring target = FullPath(to);
        {
            std::lock_guard<std::mutex> guard(mutex_);
            for (Slot& s : slots_)
                if (s.used && s.file != INVALID_HANDLE_VALUE && SamePath(s.path, target)) {
                    CloseHandle(s.file);
                    s.file = INVALID_HANDLE_VALUE;
                }
        }
        const std::wstring source = WideOf(from);
        for (int i = 0;; ++i) {
            if (MoveFileExW(source.c_str(), target.c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
                return 0;
            const DWORD error = GetLastError();
            if (i + 1 >= kMoveTries ||
                (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION)) {
                SetErrnoFrom(error);
                return -1;
            }
            Sleep(kMoveRetryMs);
        }
    }
    // The move into place is written through (MOVEFILE_WRITE_THROUGH): the
    // folder's entry is on the disk when Rename returns.
    int SyncFolder(const std::string&) override { return 0; }
    int Remove(const std::string& path) override {
        return DeleteFileW(WideOf(path).c_str()) ? 0 : Failed();
    }
    int ListFolder(const std::string& path, std::vector<std::string>& names) override {
        names.clear();
        WIN32_FIND_DATAW found;
        const HANDLE h = FindFirstFileW((WideOf(path) + L"\\*").c_str(), &found);
        if (h == INVALID_HANDLE_VALUE) return Failed();
        do {
            const std::wstring name = found.cFileName;
            if (name != L"." && name != L"..") names.push_back(Utf8OfWide(name));
        } while (FindNextFileW(h, &found));
        const DWORD error = GetLastError();
        FindClose(h);
        if (error == ERROR_NO_MORE_FILES) return 0;
        SetErrnoFrom(error);
        return -1;
    }
    int MakeDirs(const std::string& path) override {
        std::error_code ec;
        std::filesystem::create_directories(std::filesystem::path(WideOf(path)), ec);
        if (!ec) return 0;
        errno = ec.value();
        return -1;
    }

private:
    static DWORD Chunk(size_t n) { return n > (1u << 30) ? (1u << 30) : static_cast<DWORD>(n); }

    int Open(const std::string& path, DWORD access, DWORD disposition, DWORD flags) {
        const std::wstring full = FullPath(path);
        const HANDLE h =
            CreateFileW(full.c_str(), access, kShareAll, nullptr, disposition, flags, nullptr);
        if (h == INVALID_HANDLE_VALUE) return Failed();
        std::lock_guard<std::mutex> guard(mutex_);
        size_t i = 0;
        while (i < slots_.size() && slots_[i].used) ++i;
        if (i == slots_.size()) slots_.emplace_back();
        slots_[i] = Slot{true, h, nullptr, full, access, flags};
        return static_cast<int>(i);
    }
    Slot* SlotOf(int fd) {
        if (fd < 0 || static_cast<size_t>(fd) >= slots_.size() || !slots_[fd].used) {
            errno = EBADF;
            return nullptr;
        }
        return &slots_[fd];
    }
    HANDLE FileOf(int fd) {
        std::lock_guard<std::mutex> guard(mutex_);
        const Slot* s = SlotOf(fd);
        if (s && s->file == INVALID_HANDLE_VALUE) errno = EBADF;
        return s ? s->file : INVALID_HANDLE_VALUE;
    }

    std::mutex mutex_;
    std::vector<Slot> slots_;
};

}  // namespace

IFileCalls& SystemFileCalls() {
    static SystemCalls calls;
    return calls;
}

}  // namespace krepogor
