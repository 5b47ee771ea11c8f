#include "frontend/SafeReplace.h"

#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "frontend/PrintableText.h"
#include "frontend/SystemErrorText.h"
#include "platform/Utf8Path.h"

namespace krepogor {
namespace {

constexpr int kNameTries = 100;
constexpr size_t kSuffixDigits = 12;

// A name beside the target that no other copy of the game picks at once.
std::string FreshName(const std::string& target, int attempt) {
    static unsigned counter = 0;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    const unsigned long long mix = static_cast<unsigned long long>(now) * 2654435761ULL ^
                                   (static_cast<unsigned long long>(::getpid()) << 20) ^
                                   (++counter * 40503ULL) ^
                                   static_cast<unsigned long long>(attempt);
    const std::filesystem::path p = PathOf(target);
    char suffix[20];
    std::snprintf(suffix, sizeof suffix, ".%012llx", mix & 0xFFFFFFFFFFFFULL);
    // Built by appending: "." + a temporary inserts at its front, which GCC 12
    // at -O3 mistakes for an overlapping copy (-Wrestrict).
    std::string name = ".";
    name += Utf8Of(p.filename());
    name += suffix;
    return Utf8Of(p.parent_path() / PathOf(name));
}

// Whether `name` is one FreshName gives for the file named `targetName`.
bool IsFreshName(const std::string& name, const std::string& targetName) {
    const std::string stem = "." + targetName + ".";
    if (name.size() != stem.size() + kSuffixDigits || name.compare(0, stem.size(), stem) != 0)
        return false;
    for (size_t i = stem.size(); i < name.size(); ++i)
        if (!std::isxdigit(static_cast<unsigned char>(name[i])) || std::isupper(name[i]))
            return false;
    return true;
}

// Writes everything, however the system splits it.
bool WriteAll(IFileCalls& files, int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const long n = files.Write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

std::string CallError(const std::string& what) {
    return what + ": " + SystemErrorText(errno);
}

void RemoveLeftovers(IFileCalls& files, const std::string& target) {
    const std::filesystem::path p(target);
    const std::string folder = p.parent_path().empty() ? "." : p.parent_path().string();
    std::vector<std::string> names;
    if (files.ListFolder(folder, names) != 0) return;  // they wait for the next save
    for (const std::string& name : names) {
        if (!IsFreshName(name, p.filename().string())) continue;
        const std::string path = (std::filesystem::path(folder) / name).string();
        FileInfo info;
        // Only files: whatever else bears such a name is no leftover of ours.
        if (files.PathInfo(path, info) == 0 && info.regular) files.Remove(path);
    }
}

bool SafeReplace(IFileCalls& files, const std::string& target, const std::string& bytes,
                 std::string& error) {
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < kNameTries && fd < 0; ++attempt) {
        temp = FreshName(target, attempt);
        fd = files.CreateNew(temp);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        error = CallError("не создаётся файл " + QuotedPath(temp));
        return false;
    }
    std::string why;
    if (!WriteAll(files, fd, bytes))
        why = CallError("не записывается файл " + QuotedPath(temp));
    else if (files.Sync(fd) != 0)
        why = CallError("не сбрасывается на диск файл " + QuotedPath(temp));
    if (files.Close(fd) != 0 && why.empty())
        why = CallError("не закрывается файл " + QuotedPath(temp));
    if (why.empty() && files.Rename(temp, target) != 0)
        why =
            CallError("файл " + QuotedPath(temp) + " не переименовывается в " + QuotedPath(target));
    if (why.empty()) {
        // The new book is in place and whole; syncing its folder makes the
        // rename outlast a power cut. Should that fail, either book a cut
        // could leave is whole, so the save stands and only the detail is told.
        const std::filesystem::path folder = PathOf(target).parent_path();
        if (files.SyncFolder(folder.empty() ? "." : Utf8Of(folder)) != 0)
            std::fprintf(
                stderr, "krepogor: %s\n",
                CallError("не сбрасывается на диск папка файла " + QuotedPath(target)).c_str());
        return true;
    }
    error = why;
    files.Remove(temp);
    return false;
}

}  // namespace krepogor
