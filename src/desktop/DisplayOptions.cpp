#include "desktop/DisplayOptions.h"

#include "desktop/WindowScale.h"
#include "state/TextNumber.h"

namespace krepogor {

std::optional<double> ParseScale(const std::string& text) {
    std::string s = text;
    for (char& c : s)
        if (c == ',') c = '.';
    if (s.empty() || s.find_first_not_of("0123456789.") != std::string::npos) return std::nullopt;
    double v = 0;
    if (!TextNumber(s, v)) return std::nullopt;
    if (v < kMinScale || v > kMaxScale) return std::nullopt;
    return v;
}

}  // namespace krepogor
