#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace krepogor {

// A fresh application directory per test, removed afterwards.
class BookTestDir : public ::testing::Test {
protected:
    BookTestDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = std::filesystem::temp_directory_path() /
              ("krepogor-book-" + std::string(info->test_suite_name()) + "-" + info->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    ~BookTestDir() override {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }

    std::filesystem::path Tables() const { return dir / "gamedata" / "tables"; }
    std::filesystem::path Book() const { return Tables() / "table.dat"; }

    void PutBook(const std::string& bytes) const {
        std::filesystem::create_directories(Tables());
        std::ofstream(Book(), std::ios::binary) << bytes;
    }
    std::string BookBytes() const {
        std::ifstream in(Book(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::filesystem::path dir;
};

}  // namespace krepogor
