#include "desktop/Settings.h"

#include <charconv>
#include <sstream>

#include "desktop/DisplayOptions.h"
#include "desktop/WindowLooks.h"
#include "frontend/PrintableText.h"
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

// The keys the player sets by hand; what they say is judged where it is used.
bool ByHand(const std::string& key) {
    return key == "touch" || key == "touch.size" || (key.rfind("key.", 0) == 0 && key.size() > 4);
}

std::string Trim(const std::string& s) {
    const size_t from = s.find_first_not_of(" \t\r");
    if (from == std::string::npos) return "";
    return s.substr(from, s.find_last_not_of(" \t\r") - from + 1);
}

// Reads `text` into `out`: true when every line reads, with `keys` the
// number of keys in it and `unknown` those the game does not know; false
// with the first bad line in `error`.
bool Read(const std::string& text, Settings& out, int& keys, int& unknown, std::string& error) {
    std::istringstream in(text);
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
        line = Trim(line);
        if (line.empty() || line[0] == '#') continue;
        const size_t eq = line.find('=');
        auto bad = [&] {
            error = "строка " + std::to_string(n) + ": «" + PrintableText(line) + "»";
            return false;
        };
        if (eq == std::string::npos) return bad();
        const std::string key = Trim(line.substr(0, eq)), value = Trim(line.substr(eq + 1));
        ++keys;
        if (key == "scale") {
            out.scale = ParseScale(value);
            if (!out.scale) return bad();
        } else if (key == "fullscreen") {
            if (value != "yes" && value != "no") return bad();
            out.fullscreen = value == "yes";
        } else if (key.rfind(kPlace, 0) == 0 && LookOf(key.substr(6))) {
            DesktopPoint p;
            if (!ParsePoint(value, p)) return bad();
            out.places[key.substr(6)] = p;
        } else if (ByHand(key)) {
            out.byHand[key] = value;
        } else {
            ++unknown;
        }
    }
    return true;
}

}  // namespace

std::string FormatSettings(const Settings& s) {
    std::string out = "# Крепогор: как были показаны его окна, когда он закрылся в последний раз\n";
    if (s.scale) {
        out += "scale=" + NumberText(*s.scale) + "\n";
    }
    out += std::string("fullscreen=") + (s.fullscreen ? "yes" : "no") + "\n";
    for (const auto& [name, p] : s.places)
        out += kPlace + name + "=" + std::to_string(p.x) + "," + std::to_string(p.y) + "\n";
    for (const auto& [key, value] : s.byHand) out += key + "=" + value + "\n";
    return out;
}

bool ParseSettings(const std::string& text, Settings& out, std::string& error) {
    Settings s;
    int keys = 0, unknown = 0;
    if (!Read(text, s, keys, unknown, error)) return false;
    out = s;
    return true;
}

bool IsSettingsText(const std::string& text) {
    Settings s;
    int keys = 0, unknown = 0;
    std::string error;
    return text.empty() || (Read(text, s, keys, unknown, error) && keys > 0 && unknown == 0);
}

}  // namespace krepogor
