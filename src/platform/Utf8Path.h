#pragma once

#include <filesystem>
#include <string>

namespace krepogor {

// The game keeps every path as UTF-8 text. A std::filesystem::path made from
// a narrow string reads it in the system's narrow code page, which is not
// UTF-8 everywhere: these two convert as UTF-8 on every system.
std::filesystem::path PathOf(const std::string& utf8);
std::string Utf8Of(const std::filesystem::path& path);

}  // namespace krepogor
