#include "frontend/BookFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "frontend/BookLock.h"
#include "frontend/BookRecord.h"
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

}  // namespace

std::string BookFilePath(const Game& g) {
    if (!g.sys.bookPath.empty()) return g.sys.bookPath;
    return AppPath(g.sys.appDir, kBookPath);
}

BookRead ReadAllRows(Game& g, IFileCalls& files, std::string* error) {
    const std::string path = BookFilePath(g);
    TakeRows(g, "");
    const int fd = files.OpenToRead(path, true);
    if (fd < 0 && errno == ENOENT) {
        // The book is new: leave it empty, as opening it for records would.
        files.MakeDirs(Utf8Of(PathOf(path).parent_path()));
        const int made = files.CreateNew(path);
        if (made >= 0) files.Close(made);
        return BookRead::Missing;
    }
    if (fd < 0) {
        Tell(error, CallError("cannot open " + path));
        return BookRead::Unreadable;
    }
    FileInfo info;
    std::string bytes;
    BookRead result = BookRead::Unreadable;
    if (files.Info(fd, info) != 0)
        Tell(error, CallError("cannot look at " + path));
    else if (!info.regular)
        Tell(error, path + " is not a regular file");
    else if (!ReadUpTo(files, fd, kBookSize, bytes))
        Tell(error, CallError("cannot read " + path));
    else
        result = BookRead::Read;
    files.Close(fd);
    if (result == BookRead::Read) TakeRows(g, bytes);
    return result;
}

BookChange ChangeBook(Game& g, const std::function<bool(Game&)>& change, std::string& error,
                      IFileCalls& files) {
    const std::string path = BookFilePath(g);
    std::string target;
    if (!FollowLinks(files, path, target, error)) return BookChange::Failed;
    if (target == path && files.MakeDirs(Utf8Of(PathOf(path).parent_path())) != 0) {
        error = CallError("cannot create the folder of " + path);
        return BookChange::Failed;
    }
    BookLock lock(files, target);
    if (lock.state() != BookLock::State::Locked) {
        error = lock.error();
        return lock.state() == BookLock::State::Unreadable ? BookChange::Unreadable
                                                           : BookChange::Failed;
    }
    std::string bytes;
    if (!ReadUpTo(files, lock.fd(), kBookSize, bytes)) {
        error = CallError("cannot read " + target);
        return BookChange::Unreadable;
    }
    TakeRows(g, bytes);
    if (!change(g)) return BookChange::Unchanged;
    return SafeReplace(files, target, RowBytes(g), error) ? BookChange::Written
                                                          : BookChange::Failed;
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
