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

bool TakeDisplayOption(const std::vector<std::string>& args, size_t& i, DisplayOptions& options,
                       std::string& error) {
    const std::string& a = args[i];
    if (a == "--fullscreen" || a == "--window") {
        options.fullscreen = a == "--fullscreen";
        return true;
    }
    std::string value;
    if (a == "--scale") {
        if (i + 1 >= args.size()) {
            error = "после --scale нужен множитель, например --scale 2";
            return true;
        }
        value = args[++i];
    } else if (a.rfind("--scale=", 0) == 0) {
        value = a.substr(8);
    } else {
        return false;
    }
    options.scale = ParseScale(value);
    if (!options.scale) error = "множитель --scale «" + value + "» должен быть числом от 0.25 до 8";
    return true;
}

}  // namespace krepogor
