#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace krepogor {

// An application directory sharing the game's pictures and sounds, with a
// book of its own (none at first), so a won battle writes nothing into the
// source tree. The folder is named for `name` and the test running, so that
// tests run side by side (each in a process of its own) never share one.
inline std::filesystem::path ScratchGameDir(const std::filesystem::path& root,
                                            const std::string& name) {
    namespace fs = std::filesystem;
    std::string test;
    if (const auto* info = ::testing::UnitTest::GetInstance()->current_test_info())
        test = std::string("-") + info->test_suite_name() + "." + info->name();
    std::replace(test.begin(), test.end(), '/', '_');
    const fs::path dir = fs::temp_directory_path() / ("krepogor-" + name + test);
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
