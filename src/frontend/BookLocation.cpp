#include "frontend/BookLocation.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <system_error>

#include "frontend/BookFile.h"
#include "frontend/BookLock.h"
#include "frontend/SafeReplace.h"
#include "platform/FileCalls.h"

namespace krepogor {

namespace fs = std::filesystem;

namespace {

constexpr const char* kBookInData = "gamedata/tables/table.dat";
constexpr const char* kBookInPlayerDir = "tables/table.dat";
constexpr const char* kNoPlayerFolder =
    "не найдена папка для данных игрока (не заданы ни XDG_DATA_HOME, ни HOME, а у учётной "
    "записи нет домашней папки)";
// More than any book holds: the installed one is five records.
constexpr size_t kSeedLimit = 4096;

bool MayWrite(const fs::path& p) {
    return ::access(p.c_str(), W_OK) == 0;
}

bool Fail(std::string* error, const std::string& why) {
    if (error) *error = why;
    return false;
}

// HOME, or the account's home folder when HOME is not set.
const char* HomeDir() {
    const char* home = std::getenv("HOME");
    if (home && home[0] != '\0') return home;
    const passwd* pw = ::getpwuid(::getuid());
    return pw ? pw->pw_dir : nullptr;
}

}  // namespace

std::string PlayerDataDir(const char* xdgDataHome, const char* home) {
    // Only an absolute XDG_DATA_HOME counts; a relative one is ignored.
    if (xdgDataHome && xdgDataHome[0] == '/') return (fs::path(xdgDataHome) / "krepogor").string();
    if (home && home[0] != '\0') return (fs::path(home) / ".local" / "share" / "krepogor").string();
    return "";
}

bool BookWritableIn(const std::string& dataDir) {
    const fs::path book = fs::path(dataDir) / kBookInData;
    std::error_code ec;
    // The book is replaced through a new file beside it: its folder (or the
    // folder that would hold it) must take new files, and a book already
    // there must be writable itself.
    fs::path folder = book.parent_path();
    if (!fs::is_directory(folder, ec)) folder = folder.parent_path();
    if (!fs::is_directory(folder, ec) || !MayWrite(folder)) return false;
    return !fs::exists(book, ec) || MayWrite(book);
}

BookPlace ChooseBookPlace(const DataFolder& data, const std::string& playerDir) {
    const std::string inData = (fs::path(data.dir) / kBookInData).string();
    if (!data.installed && BookWritableIn(data.dir)) return {inData, "", ""};
    if (playerDir.empty()) return {inData, "", kNoPlayerFolder};
    return {(fs::path(playerDir) / kBookInPlayerDir).string(), inData, ""};
}

bool SeedBook(const BookPlace& place, std::string* error) {
    if (place.seed.empty()) return true;
    std::error_code ec;
    const fs::path book(place.path);
    // Whatever stands in the book's place, even a link leading nowhere, is
    // the player's; only an empty file holds nothing to keep.
    const fs::file_status there = fs::symlink_status(book, ec);
    if (fs::exists(there) && !(fs::is_regular_file(there) && fs::file_size(book, ec) == 0))
        return true;
    IFileCalls& files = SystemFileCalls();
    const int fd = files.OpenToRead(place.seed, true);
    if (fd < 0) {
        if (errno == ENOENT) return true;  // the book starts empty then
        return Fail(error, CallError("cannot read " + place.seed));
    }
    FileInfo info;
    std::string bytes;
    const bool read =
        files.Info(fd, info) == 0 && info.regular && ReadUpTo(files, fd, kSeedLimit, bytes);
    const std::string why = read ? "" : CallError("cannot read " + place.seed);
    files.Close(fd);
    if (!read) return Fail(error, why);
    std::string notBook;
    if (!IsBook(bytes, notBook))
        return Fail(error, place.seed + " is no champions' book: " + notBook);
    if (bytes.empty()) return true;
    std::string failed;
    const BookChange done = ReplaceBook(
        files, place.path,
        [&](const std::string& now, bool) -> std::optional<std::string> {
            if (!now.empty()) return std::nullopt;  // another copy seeded it first
            return bytes;
        },
        failed);
    if (done == BookChange::Written || done == BookChange::Unchanged) return true;
    return Fail(error, failed);
}

std::string PlayerDataDir() {
    return PlayerDataDir(std::getenv("XDG_DATA_HOME"), HomeDir());
}

BookPlace PrepareBook(const DataFolder& data, std::ostream& warnings) {
    const BookPlace place = ChooseBookPlace(data, PlayerDataDir());
    std::string error;
    if (!SeedBook(place, &error)) warnings << "krepogor: " << error << "\n";
    if (!place.notKept.empty())
        warnings << "krepogor: the champions' book is only read: no folder for the player's data\n";
    return place;
}

}  // namespace krepogor
