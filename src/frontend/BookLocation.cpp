#include "frontend/BookLocation.h"

#include <cerrno>
#include <filesystem>
#include <ostream>
#include <system_error>

#include "frontend/BookFile.h"
#include "frontend/BookLock.h"
#include "frontend/PrintableText.h"
#include "frontend/SafeReplace.h"
#include "platform/FileCalls.h"
#include "platform/SystemPlaces.h"
#include "platform/Utf8Path.h"

namespace krepogor {

namespace fs = std::filesystem;

namespace {

// In the system's own spelling (backslashes on Windows), as the player reads it.
const fs::path kBookInData = fs::path("gamedata") / "tables" / "table.dat";
const fs::path kBookInPlayerDir = fs::path("tables") / "table.dat";
// More than any book holds: the installed one is five records.
constexpr size_t kSeedLimit = 4096;

bool Fail(std::string* error, const std::string& why) {
    if (error) *error = why;
    return false;
}

}  // namespace

bool BookWritableIn(const std::string& dataDir) {
    const fs::path book = PathOf(dataDir) / kBookInData;
    std::error_code ec;
    // The book is replaced through a new file beside it: its folder (or the
    // folder that would hold it) must take new files, and a book already
    // there must be writable itself.
    fs::path folder = book.parent_path();
    if (!fs::is_directory(folder, ec)) folder = folder.parent_path();
    if (!fs::is_directory(folder, ec) || !MayWrite(Utf8Of(folder))) return false;
    return !fs::exists(book, ec) || MayWrite(Utf8Of(book));
}

BookPlace ChooseBookPlace(const DataFolder& data, const std::string& playerDir) {
    const std::string inData = Utf8Of(PathOf(data.dir) / kBookInData);
    if (!data.installed && BookWritableIn(data.dir)) return {inData, "", ""};
    if (playerDir.empty())
        return {inData, "", "не найдена папка для данных игрока (" + WhyNoPlayerFolder() + ")"};
    return {Utf8Of(PathOf(playerDir) / kBookInPlayerDir), inData, ""};
}

bool SeedBook(const BookPlace& place, std::string* error) {
    if (place.seed.empty()) return true;
    std::error_code ec;
    const fs::path book = PathOf(place.path);
    // Whatever stands in the book's place, even a link leading nowhere, is
    // the player's; only an empty file holds nothing to keep.
    const fs::file_status there = fs::symlink_status(book, ec);
    if (fs::exists(there) && !(fs::is_regular_file(there) && fs::file_size(book, ec) == 0))
        return true;
    IFileCalls& files = SystemFileCalls();
    const int fd = files.OpenToRead(place.seed, true);
    if (fd < 0) {
        if (errno == ENOENT) return true;  // the book starts empty then
        return Fail(error, CallError("не читается файл " + QuotedPath(place.seed)));
    }
    FileInfo info;
    std::string bytes;
    const bool read =
        files.Info(fd, info) == 0 && info.regular && ReadUpTo(files, fd, kSeedLimit, bytes);
    const std::string why = read ? "" : CallError("не читается файл " + QuotedPath(place.seed));
    files.Close(fd);
    if (!read) return Fail(error, why);
    std::string notBook;
    if (!IsBook(bytes, notBook))
        return Fail(error, QuotedPath(place.seed) + " — не книга чемпионов: " + notBook);
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

BookPlace PrepareBook(const DataFolder& data, std::ostream& warnings) {
    const BookPlace place = ChooseBookPlace(data, PlayerDataFolder());
    std::string error;
    if (!SeedBook(place, &error)) warnings << "krepogor: " << error << "\n";
    if (!place.notKept.empty())
        warnings << "krepogor: книга чемпионов только читается: нет папки для данных игрока\n";
    return place;
}

}  // namespace krepogor
