#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

namespace krepogor {

// An application directory of the fuzzer's own, sharing the game's pictures
// and sounds, so nothing a fuzzed input does lands in the source tree. It is
// removed when the fuzzer ends.
struct FuzzGameDir {
    explicit FuzzGameDir(const std::string& name)
        : path(std::filesystem::temp_directory_path() /
               ("krepogor-fuzz-" + name + "-" + std::to_string(getpid()))) {
        namespace fs = std::filesystem;
        const fs::path root = KREPOGOR_SOURCE_DIR;
        fs::remove_all(path);
        fs::create_directories(path / "gamedata" / "tables");
        for (const char* sub : {"pics", "sounds", "music"})
            fs::create_directory_symlink(root / "gamedata" / sub, path / "gamedata" / sub);
    }
    ~FuzzGameDir() { std::filesystem::remove_all(path); }
    FuzzGameDir(const FuzzGameDir&) = delete;
    FuzzGameDir& operator=(const FuzzGameDir&) = delete;

    const std::filesystem::path path;
};

}  // namespace krepogor
