#include "desktop/Settings.h"

#include <charconv>
#include <sstream>

#include "desktop/DisplayOptions.h"
#include "desktop/WindowLooks.h"
#include "state/NumberText.h"

namespace krepogor {
namespace {

constexpr const char* kPlace = "place.";

bool ParseInt(const std::string& s, int& out) {
    const char* end = s.data() + s.size();
    const auto r = std::from_chars(s.data(), end, out);
    return r.ec == std::errc() && r.ptr == end && !s.empty();
}

bool ParsePoint(const std::string& s, DesktopPoint& out) {
    const size_t comma = s.find(',');
    return comma != std::string::npos && ParseInt(s.substr(0, comma), out.x) &&
           ParseInt(s.substr(comma + 1), out.y);
}

std::string Trim(const std::string& s) {
    const size_t from = s.find_first_not_of(" \t\r");
    if (from == std::string::npos) return "";
    return s.substr(from, s.find_last_not_of(" \t\r") - from + 1);
}

}  // namespace

std::string FormatSettings(const Settings& s) {
    std::string out = "# Крепогор: how its windows were shown when it last ended\n";
    if (s.scale) {
        out += "scale=" + NumberText(*s.scale) + "\n";
    }
    out += std::string("fullscreen=") + (s.fullscreen ? "yes" : "no") + "\n";
    for (const auto& [name, p] : s.places)
        out += kPlace + name + "=" + std::to_string(p.x) + "," + std::to_string(p.y) + "\n";
    return out;
}

bool ParseSettings(const std::string& text, Settings& out, std::string& error) {
    Settings s;
    std::istringstream in(text);
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
        line = Trim(line);
        if (line.empty() || line[0] == '#') continue;
        const size_t eq = line.find('=');
        auto bad = [&] {
            error = "строка " + std::to_string(n) + ": «" + line + "»";
            return false;
        };
        if (eq == std::string::npos) return bad();
        const std::string key = Trim(line.substr(0, eq)), value = Trim(line.substr(eq + 1));
        if (key == "scale") {
            s.scale = ParseScale(value);
            if (!s.scale) return bad();
        } else if (key == "fullscreen") {
            if (value != "yes" && value != "no") return bad();
            s.fullscreen = value == "yes";
        } else if (key.rfind(kPlace, 0) == 0 && LookOf(key.substr(6))) {
            DesktopPoint p;
            if (!ParsePoint(value, p)) return bad();
            s.places[key.substr(6)] = p;
        }
    }
    out = s;
    return true;
}

}  // namespace krepogor
