#include "desktop/SettingsFile.h"

#include <cerrno>
#include <filesystem>
#include <ostream>

#include "frontend/BookLock.h"
#include "frontend/PrintableText.h"
#include "frontend/SafeReplace.h"
#include "platform/Utf8Path.h"

namespace krepogor {
namespace {

// A settings file is a few lines: anything much larger is not one.
constexpr size_t kMaxBytes = 64 * 1024;
enum class Read { Text, Missing, NotAFile, Failed };

// The text of the file at `path` (through its links), at most kMaxBytes + 1
// bytes of it; the reason in `why` when it cannot be read.
Read ReadText(IFileCalls& files, const std::string& path, std::string& text, std::string& why) {
    const int fd = files.OpenToRead(path, true);
    if (fd < 0) {
        if (errno == ENOENT) return Read::Missing;
        why = CallError("не читается");
        return Read::Failed;
    }
    FileInfo info;
    const bool looked = files.Info(fd, info) == 0;
    Read read = Read::Text;
    if (looked && !info.regular) {
        why = "не читается: это не обычный файл";
        read = Read::NotAFile;
    } else if (!looked || !ReadUpTo(files, fd, kMaxBytes + 1, text)) {
        why = CallError("не читается");
        read = Read::Failed;
    }
    files.Close(fd);
    return read;
}

}  // namespace

std::string SettingsPath(const std::string& folder) {
    return folder.empty() ? "" : Utf8Of(PathOf(folder) / "settings.ini");
}

Settings LoadSettings(IFileCalls& files, const std::string& path, std::ostream& warnings) {
    Settings s;
    if (path.empty()) return s;
    std::string target, text, error;
    if (!FollowLinks(files, path, target, error)) {
        warnings << "krepogor: файл настроек " << QuotedPath(path) << " не читается: " << error
                 << "; окна открываются как обычно\n";
        return s;
    }
    const Read read = ReadText(files, target, text, error);
    if (read == Read::Missing) return s;
    // A link to a file that is no settings file of the game: what it holds is
    // none of the game's business (saving says so).
    if (target != path && (read == Read::NotAFile || (read == Read::Text && !IsSettingsText(text))))
        return s;
    if (read == Read::Text && text.size() > kMaxBytes)
        error = "слишком велик";
    else if (read == Read::Text && !ParseSettings(text, s, error))
        error = "испорчен, " + error;
    if (!error.empty())
        warnings << "krepogor: файл настроек " << QuotedPath(path) << " " << error
                 << "; окна открываются как обычно\n";
    return s;
}

bool SaveSettings(IFileCalls& files, const std::string& path, const Settings& s,
                  std::string& error) {
    std::string target;
    if (!FollowLinks(files, path, target, error)) return false;
    if (target != path) {
        // Written through the link only when it leads to the game's own
        // settings, or to nothing yet.
        std::string text, why;
        const Read read = ReadText(files, target, text, why);
        if (read != Read::Missing && (read != Read::Text || !IsSettingsText(text))) {
            error = QuotedPath(path) + " — ссылка на " + QuotedPath(target) +
                    ", а это не файл настроек игры, и игра его не меняет";
            return false;
        }
    } else {
        const std::string folder = Utf8Of(PathOf(path).parent_path());
        if (!folder.empty() && files.MakeDirs(folder) < 0) {
            error = CallError("не создаётся папка " + QuotedPath(folder));
            return false;
        }
    }
    return SafeReplace(files, target, FormatSettings(s), error);
}

}  // namespace krepogor
