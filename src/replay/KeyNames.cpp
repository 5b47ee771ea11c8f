#include "replay/KeyNames.h"

#include <charconv>
#include <map>

#include "battle/Keys.h"

namespace krepogor {

std::optional<int16_t> KeyCode(const std::string& name) {
    static const std::map<std::string, int16_t> keys = {
        {"Esc", vbKeyEscape}, {"P", vbKeyP}, {"Up", vbKeyUp}, {"Down", vbKeyDown},
        {"C", vbKeyC},        {"V", vbKeyV}, {"B", vbKeyB},   {"Space", vbKeySpace},
        {"З", vbKeyP},        {"з", vbKeyP}, {"С", vbKeyC},   {"с", vbKeyC},
        {"М", vbKeyV},        {"м", vbKeyV}, {"И", vbKeyB},   {"и", vbKeyB},
        {"p", vbKeyP},        {"c", vbKeyC}, {"v", vbKeyV},   {"b", vbKeyB},
    };
    if (auto it = keys.find(name); it != keys.end()) return it->second;
    if (name.size() == 2 && name[0] == 'F' && name[1] >= '1' && name[1] <= '8')
        return static_cast<int16_t>(vbKeyF1 + (name[1] - '1'));
    if (name.rfind("vk:", 0) == 0) {
        int v = 0;
        const char* end = name.data() + name.size();
        auto r = std::from_chars(name.data() + 3, end, v);
        if (r.ec == std::errc() && r.ptr == end && v >= 0 && v <= 255)
            return static_cast<int16_t>(v);
    }
    return std::nullopt;
}

}  // namespace krepogor
