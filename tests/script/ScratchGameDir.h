#pragma once

#include <filesystem>
#include <string>

namespace krepogor {

// An application directory sharing the game's pictures and sounds, with a
// book of its own (none at first), so a won battle writes nothing into the
// source tree. Each test names its own, so tests can run side by side.
inline std::filesystem::path ScratchGameDir(const std::filesystem::path& root,
                                            const std::string& name) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("krepogor-" + name);
    fs::remove_all(dir);
    fs::create_directories(dir / "gamedata");
    for (const char* sub : {"pics", "sounds", "music"}) {
        std::error_code ec;  // a system without links for everyone gets copies
        fs::create_directory_symlink(root / "gamedata" / sub, dir / "gamedata" / sub, ec);
        if (ec)
            fs::copy(root / "gamedata" / sub, dir / "gamedata" / sub, fs::copy_options::recursive);
    }
    return dir;
}

}  // namespace krepogor
