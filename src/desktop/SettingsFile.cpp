#include "desktop/SettingsFile.h"

#include <cerrno>
#include <filesystem>
#include <ostream>

#include "frontend/SafeReplace.h"
#include "platform/Utf8Path.h"

namespace krepogor {
namespace {

// A settings file is a few lines: anything much larger is not one.
constexpr size_t kMaxBytes = 64 * 1024;

}  // namespace

std::string SettingsPath(const std::string& folder) {
    return folder.empty() ? "" : Utf8Of(PathOf(folder) / "settings.ini");
}

Settings LoadSettings(IFileCalls& files, const std::string& path, std::ostream& warnings) {
    Settings s;
    if (path.empty()) return s;
    const int fd = files.OpenToRead(path, true);
    if (fd < 0) {
        if (errno != ENOENT)
            warnings << "krepogor: " << CallError("настройки " + path + " не читаются")
                     << "; окна открываются как обычно\n";
        return s;
    }
    std::string text;
    char buf[4096];
    long n = 0;
    while ((n = files.Read(fd, buf, sizeof buf)) > 0 && text.size() <= kMaxBytes)
        text.append(buf, static_cast<size_t>(n));
    const bool readError = n < 0;
    const std::string readWhy = readError ? CallError("") : "";
    files.Close(fd);
    std::string error;
    if (readError)
        error = "не читается" + readWhy;
    else if (text.size() > kMaxBytes)
        error = "слишком велик";
    else if (!ParseSettings(text, s, error))
        error = "испорчен, " + error;
    if (!error.empty())
        warnings << "krepogor: файл настроек " << path << " " << error
                 << "; окна открываются как обычно\n";
    return s;
}

bool SaveSettings(IFileCalls& files, const std::string& path, const Settings& s,
                  std::string& error) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    if (!folder.empty() && files.MakeDirs(folder) < 0) {
        error = CallError("папка " + folder + " не создаётся");
        return false;
    }
    return SafeReplace(files, path, FormatSettings(s), error);
}

}  // namespace krepogor
