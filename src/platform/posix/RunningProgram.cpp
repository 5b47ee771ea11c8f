#include <filesystem>
#include <system_error>

#include "platform/SystemPlaces.h"

namespace krepogor {

std::string RunningProgram() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? "" : exe.string();
}

}  // namespace krepogor
