#include "frontend/PrintableText.h"

#include <cstdio>

namespace krepogor {
namespace {

// The length of the UTF-8 sequence at `i`, 0 when it is none (or a control
// character of the C1 block, which a terminal obeys as well).
size_t SequenceLength(std::string_view s, size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    size_t n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
    if (n == 0 || i + n > s.size()) return 0;
    for (size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
    if (n == 2 && b < 0xC2) return 0;                                                  // overlong
    if (n == 2 && b == 0xC2 && static_cast<unsigned char>(s[i + 1]) < 0xA0) return 0;  // C1
    return n;
}

// The text with control characters escaped, cut after `limit` characters; a
// backslash doubled when `doubleBackslash`, so that it reads as no escape.
std::string Escaped(std::string_view text, size_t limit, bool doubleBackslash) {
    std::string out;
    size_t shown = 0;
    for (size_t i = 0; i < text.size();) {
        if (shown == limit) return out + "…";
        const size_t n = SequenceLength(text, i);
        const auto b = static_cast<unsigned char>(text[i]);
        if (n == 0 || b < 0x20 || b == 0x7F) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\x%02X", b);
            out += esc;
            i += 1;
        } else if (b == '\\' && doubleBackslash) {
            out += "\\\\";
            i += 1;
        } else {
            out.append(text.substr(i, n));
            i += n;
        }
        ++shown;
    }
    return out;
}

}  // namespace

std::string PrintableText(std::string_view text, size_t limit) {
    return Escaped(text, limit, true);
}

std::string QuotedPath(std::string_view path) {
    // Windows' paths are spelt with backslashes: they stay single.
    return "«" + Escaped(path, 1024, false) + "»";
}

}  // namespace krepogor
