#include "state/AppPath.h"

#include "platform/Utf8Path.h"

namespace krepogor {

std::string AppPath(const std::string& appDir, const std::string& gamePath) {
    const auto p = PathOf(appDir);
    std::string rel;
    for (char c : gamePath) rel += (c == '\\') ? '/' : c;
    while (!rel.empty() && rel.front() == '/') rel.erase(rel.begin());
    return Utf8Of(p / PathOf(rel).make_preferred());
}

}  // namespace krepogor
