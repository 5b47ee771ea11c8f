#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace krepogor {

namespace fs = std::filesystem;

// A scratch folder per test holding a build tree ("build") and an installed
// prefix ("usr"), removed afterwards.
class Folders : public ::testing::Test {
protected:
    Folders() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root = fs::temp_directory_path() / ("krepogor-place-" + std::string(info->name()));
        fs::remove_all(root);
        fs::create_directories(root);
    }
    ~Folders() override {
        std::error_code ec;
        fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ec);
        for (auto& e : fs::recursive_directory_iterator(root, ec))
            fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(root, ec);
    }

    static void Put(const fs::path& file, const std::string& bytes) {
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
    }
    static std::string Read(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // A data folder as shipped: the book and nothing else it needs here.
    static void MakeData(const fs::path& dir, const std::string& book = "installed book") {
        Put(dir / "gamedata" / "tables" / "table.dat", book);
    }

    fs::path root;
};

}  // namespace krepogor
