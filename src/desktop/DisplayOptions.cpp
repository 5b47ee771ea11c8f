#include "desktop/DisplayOptions.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "desktop/WindowScale.h"

namespace krepogor {

std::optional<double> ParseScale(const std::string& text) {
    std::string s = text;
    for (char& c : s)
        if (c == ',') c = '.';
    if (s.empty() || s.find_first_not_of("0123456789.") != std::string::npos) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(s.c_str(), &end);
    if (errno != 0 || *end != '\0' || !std::isfinite(v)) return std::nullopt;
    if (v < kMinScale || v > kMaxScale) return std::nullopt;
    return v;
}

}  // namespace krepogor
