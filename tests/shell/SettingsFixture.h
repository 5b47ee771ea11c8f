#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "desktop/Settings.h"

namespace krepogor {

// A scratch folder for a settings file of its own for each test.
class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("krepogor-settings-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        path_ = (dir_ / "krepogor" / "settings.ini").string();
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    void Write(const std::string& text) {
        std::filesystem::create_directories(std::filesystem::path(path_).parent_path());
        std::ofstream(path_, std::ios::binary) << text;
    }
    std::string Read() {
        std::ifstream in(path_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::filesystem::path dir_;
    std::string path_;
};

// Settings with every key set.
inline Settings Sample() {
    Settings s;
    s.scale = 1.5;
    s.fullscreen = true;
    s.places["frm_menu"] = {621, 402};
    s.places["frm_vustrel"] = {-20, 40};  // a window partly left of the screen
    s.byHand["key.fire"] = "Keypad 0";
    s.byHand["touch"] = "no";
    return s;
}

}  // namespace krepogor
