#include "script/Json.h"

#include <cstdio>

#include "frontend/CodePoints.h"

namespace krepogor {

std::string JsonString(const std::string& s) {
    std::string out = "\"";
    for (const char32_t c : DecodeUtf8(s)) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
            out += buf;
        } else {
            AppendUtf8(out, c);
        }
    }
    return out + "\"";
}

}  // namespace krepogor
