#include "frontend/BookFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "frontend/BookLock.h"
#include "frontend/BookRecord.h"
#include "frontend/PrintableText.h"
#include "frontend/SafeReplace.h"
#include "platform/Utf8Path.h"
#include "state/AppPath.h"
#include "state/Game.h"

namespace krepogor {

namespace fs = std::filesystem;

namespace {

constexpr int kRows = 5;
constexpr size_t kBookSize = kRows * kBookRecordSize;

// The rows from what the file holds; whatever follows the fifth record is no
// part of the book, and a record held only in part is read from that part.
void TakeRows(Game& g, const std::string& bytes) {
    auto& st = g.st;
    for (int r = 1; r <= kRows; ++r) {
        const size_t at = static_cast<size_t>(r - 1) * kBookRecordSize;
        std::memset(&st.RecRow, ' ', sizeof st.RecRow);
        if (at < bytes.size())
            std::memcpy(&st.RecRow, bytes.data() + at,
                        std::min(kBookRecordSize, bytes.size() - at));
        st.RecName(r) = DecodeName(st.RecRow);
        st.RecScore(r) = DecodeScore(st.RecRow);
    }
}

std::string RowBytes(Game& g) {
    auto& st = g.st;
    std::string bytes;
    bytes.reserve(kBookSize);
    for (int r = 1; r <= kRows; ++r) {
        st.RecRow = EncodeRecord(st.RecName(r), st.RecScore(r));
        bytes.append(reinterpret_cast<const char*>(&st.RecRow), sizeof st.RecRow);
    }
    return bytes;
}

void Tell(std::string* error, const std::string& why) {
    if (error) *error = why;
}

// The book installed with the game, which a player's new book starts from;
// empty when there is none, or it cannot be read, or it is no book.
std::string InstalledBook(const Game& g, IFileCalls& files) {
    if (g.sys.bookSeed.empty()) return "";
    const int fd = files.OpenToRead(g.sys.bookSeed, true);
    if (fd < 0) return "";
    FileInfo info;
    std::string bytes, why;
    const bool read = files.Info(fd, info) == 0 && info.regular &&
                      ReadUpTo(files, fd, kBookSize + 1, bytes) && IsBook(bytes, why);
    files.Close(fd);
    return read ? bytes : "";
}

}  // namespace

std::string BookFilePath(const Game& g) {
    if (!g.sys.bookPath.empty()) return g.sys.bookPath;
    return AppPath(g.sys.appDir, kBookPath);
}

bool IsBook(std::string_view bytes, std::string& why) {
    if (bytes.size() > kBookSize) {
        why = "в нём больше пяти записей";
        return false;
    }
    for (int r = 1; r <= kRows; ++r) {
        const size_t at = static_cast<size_t>(r - 1) * kBookRecordSize + kBookNameSize;
        if (at >= bytes.size()) break;
        if (!ScoreFieldIsNumber(bytes.substr(at, kBookScoreSize))) {
            why = "очки в строке " + std::to_string(r) + " — не число";
            return false;
        }
    }
    return true;
}

BookRead ReadAllRows(Game& g, IFileCalls& files, std::string* error) {
    const std::string path = BookFilePath(g);
    TakeRows(g, "");
    const int fd = files.OpenToRead(path, true);
    if (fd < 0 && errno == ENOENT) return BookRead::Missing;
    if (fd < 0) {
        Tell(error, CallError("не открывается файл " + QuotedPath(path)));
        return BookRead::Unreadable;
    }
    FileInfo info;
    std::string bytes;
    BookRead result = BookRead::Unreadable;
    if (files.Info(fd, info) != 0)
        Tell(error, CallError("не удаётся проверить файл " + QuotedPath(path)));
    else if (!info.regular)
        Tell(error, QuotedPath(path) + " — не обычный файл");
    else if (!ReadUpTo(files, fd, kBookSize + 1, bytes))
        Tell(error, CallError("не читается файл " + QuotedPath(path)));
    else
        result = BookRead::Read;
    files.Close(fd);
    if (result != BookRead::Read) return result;
    TakeRows(g, bytes);
    std::string why;
    if (IsBook(bytes, why)) return BookRead::Read;
    Tell(error, QuotedPath(path) + " — не книга чемпионов: " + why);
    return BookRead::NotABook;
}

BookChange ReplaceBook(IFileCalls& files, const std::string& path, const BookBytesChange& change,
                       std::string& error) {
    std::string target;
    if (!FollowLinks(files, path, target, error)) return BookChange::Failed;
    if (target == path && files.MakeDirs(Utf8Of(PathOf(path).parent_path())) != 0) {
        error = CallError("не создаётся папка для " + QuotedPath(path));
        return BookChange::Failed;
    }
    BookLock lock(files, target);
    if (lock.state() != BookLock::State::Locked) {
        error = lock.error();
        return lock.state() == BookLock::State::Unreadable ? BookChange::Unreadable
                                                           : BookChange::Failed;
    }
    std::string bytes, why;
    if (!ReadUpTo(files, lock.fd(), kBookSize + 1, bytes)) {
        error = CallError("не читается файл " + QuotedPath(target));
        return BookChange::Unreadable;
    }
    // A book this call made stays only when it is written whole.
    const bool made = lock.created() && bytes.empty();
    const auto result = [&](BookChange done) {
        if (done != BookChange::Written && made) files.Remove(target);
        return done;
    };
    if (!IsBook(bytes, why)) {
        error = QuotedPath(target) + " — не книга чемпионов: " + why;
        return result(BookChange::Unreadable);
    }
    RemoveLeftovers(files, target);
    const std::optional<std::string> next = change(bytes, made);
    if (!next) return result(BookChange::Unchanged);
    return result(SafeReplace(files, target, *next, error) ? BookChange::Written
                                                           : BookChange::Failed);
}

BookChange ChangeBook(Game& g, const std::function<bool(Game&)>& change, std::string& error,
                      IFileCalls& files) {
    if (!g.sys.bookNotKept.empty()) {
        error = "книгу игрока негде сохранить: " + g.sys.bookNotKept;
        return BookChange::Failed;
    }
    return ReplaceBook(
        files, BookFilePath(g),
        [&](const std::string& bytes, bool created) -> std::optional<std::string> {
            TakeRows(g, created ? InstalledBook(g, files) : bytes);
            if (!change(g)) return std::nullopt;
            return RowBytes(g);
        },
        error);
}

bool WriteAllRows(Game& g, std::string* error, IFileCalls& files) {
    const auto names = g.st.RecName;
    const auto scores = g.st.RecScore;
    std::string why;
    const BookChange done = ChangeBook(
        g,
        [&](Game& game) {
            game.st.RecName = names;
            game.st.RecScore = scores;
            return true;
        },
        why, files);
    if (done == BookChange::Written) return true;
    // The rows meant for the book stay in memory, whatever the file holds.
    g.st.RecName = names;
    g.st.RecScore = scores;
    Tell(error, why);
    return false;
}

}  // namespace krepogor
