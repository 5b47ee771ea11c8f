#include "state/AppPath.h"

#include <filesystem>

namespace krepogor {

std::string AppPath(const std::string& appDir, const std::string& gamePath) {
    std::filesystem::path p(appDir);
    std::string rel;
    for (char c : gamePath) rel += (c == '\\') ? '/' : c;
    while (!rel.empty() && rel.front() == '/') rel.erase(rel.begin());
    return (p / rel).string();
}

}  // namespace krepogor
