#include "frontend/BookFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

#include "frontend/BookRecord.h"
#include "state/AppPath.h"
#include "state/Game.h"

namespace krepogor {

namespace fs = std::filesystem;

namespace {

constexpr int kRows = 5;
constexpr size_t kBookSize = kRows * kBookRecordSize;

fs::path BookFilePath(const Game& g) {
    if (!g.sys.bookPath.empty()) return fs::path(g.sys.bookPath);
    return fs::path(AppPath(g.sys.appDir, kBookPath));
}

bool Fail(std::string* error, const std::string& why) {
    if (error) *error = why;
    return false;
}

// Writes `bytes` to `path` and pushes them to the disk before closing.
bool WriteWhole(const fs::path& path, const std::string& bytes, std::string* error) {
    std::FILE* f = std::fopen(path.string().c_str(), "wb");
    if (!f) return Fail(error, "cannot create " + path.string() + ": " + std::strerror(errno));
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fflush(f) == 0 && ok;
#if defined(__unix__) || defined(__APPLE__)
    ok = ::fsync(::fileno(f)) == 0 && ok;
#endif
    const int saved = errno;
    ok = std::fclose(f) == 0 && ok;
    if (!ok) return Fail(error, "cannot write " + path.string() + ": " + std::strerror(saved));
    return true;
}

}  // namespace

void ReadAllRows(Game& g) {
    const fs::path path = BookFilePath(g);
    std::string bytes;
    std::error_code ec;
    if (fs::exists(path, ec)) {
        std::ifstream in(path, std::ios::binary);
        char buf[kBookSize];
        in.read(buf, sizeof buf);
        // Whatever follows the fifth record is no part of the book.
        bytes.assign(buf, static_cast<size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    } else if (!ec) {
        // The book is new: leave it empty, as opening it for records would.
        fs::create_directories(path.parent_path(), ec);
        std::ofstream touch(path, std::ios::binary);
    }

    auto& st = g.st;
    for (int r = 1; r <= kRows; ++r) {
        // A record the file holds only in part is read from what it holds.
        const size_t at = static_cast<size_t>(r - 1) * kBookRecordSize;
        std::memset(&st.RecRow, ' ', sizeof st.RecRow);
        if (at < bytes.size())
            std::memcpy(&st.RecRow, bytes.data() + at,
                        std::min(kBookRecordSize, bytes.size() - at));
        st.RecName(r) = DecodeName(st.RecRow);
        st.RecScore(r) = DecodeScore(st.RecRow);
    }
}

bool WriteAllRows(Game& g, std::string* error) {
    auto& st = g.st;
    std::string bytes;
    bytes.reserve(kBookSize);
    for (int r = 1; r <= kRows; ++r) {
        st.RecRow = EncodeRecord(st.RecName(r), st.RecScore(r));
        bytes.append(reinterpret_cast<const char*>(&st.RecRow), sizeof st.RecRow);
    }

    const fs::path path = BookFilePath(g);
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    if (ec)
        return Fail(error, "cannot create " + path.parent_path().string() + ": " + ec.message());

    fs::path temp = path;
    temp += ".new";
    if (!WriteWhole(temp, bytes, error)) {
        fs::remove(temp, ec);
        return false;
    }
    fs::rename(temp, path, ec);
    if (ec) {
        const std::string why = ec.message();
        fs::remove(temp, ec);
        return Fail(error, "cannot replace " + path.string() + ": " + why);
    }
    return true;
}

}  // namespace krepogor
