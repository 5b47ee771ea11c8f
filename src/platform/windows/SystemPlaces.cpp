#include "platform/SystemPlaces.h"

#include <shlobj.h>
#include <windows.h>

#include <string>

#include "platform/windows/Wide.h"

namespace krepogor {

std::string RunningProgram() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return "";
        if (n < path.size()) {
            path.resize(n);
            return Utf8OfWide(path);
        }
        path.resize(path.size() * 2);
    }
}

// %APPDATA%\krepogor: the roaming folder of the player's programs.
std::string PlayerDataFolder() {
    PWSTR folder = nullptr;
    std::string result;
    if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DONT_VERIFY, nullptr, &folder) ==
            S_OK &&
        folder && folder[0] != L'\0')
        result = Utf8OfWide(folder) + "\\krepogor";
    CoTaskMemFree(folder);
    return result;
}

std::string WhyNoPlayerFolder() {
    return "система не назвала папку данных программ учётной записи (%APPDATA%)";
}

// Settings roam with the player's other files of the game.
std::string PlayerSettingsFolder() {
    return PlayerDataFolder();
}

// The file's own access rights and read-only mark decide, so the only true
// answer is to try: open the file for writing, or make (and drop) a file in
// the folder.
bool MayWrite(const std::string& path) {
    const std::wstring wide = WideOf(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    HANDLE h;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        const std::wstring probe =
            wide + L"\\.krepogor-probe-" + std::to_wstring(GetCurrentProcessId());
        h = CreateFileW(
            probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
            FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    } else {
        h = CreateFileW(wide.c_str(), GENERIC_WRITE,
                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    return true;
}

}  // namespace krepogor
