#include "frontend/CodePoints.h"

namespace krepogor {

std::optional<char32_t> NextCodePoint(std::string_view s, size_t& pos) {
    const auto lead = static_cast<unsigned char>(s[pos++]);
    if (lead < 0x80) return lead;

    int more = 0;
    char32_t cp = 0;
    char32_t lo = 0x80, hi = 0xBF;  // the range allowed for the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        more = 1;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        more = 2;
        cp = lead & 0x0F;
        if (lead == 0xE0) lo = 0xA0;  // no overlong forms
        if (lead == 0xED) hi = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        more = 3;
        cp = lead & 0x07;
        if (lead == 0xF0) lo = 0x90;
        if (lead == 0xF4) hi = 0x8F;  // nothing past U+10FFFF
    } else {
        return std::nullopt;
    }

    for (int k = 0; k < more; ++k) {
        if (pos >= s.size()) return std::nullopt;
        const auto b = static_cast<unsigned char>(s[pos]);
        if (b < lo || b > hi) return std::nullopt;
        cp = (cp << 6) | (b & 0x3F);
        ++pos;
        lo = 0x80;
        hi = 0xBF;
    }
    return cp;
}

std::u32string DecodeUtf8(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) out += NextCodePoint(utf8, pos).value_or(U'\uFFFD');
    return out;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string EncodeUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char32_t cp : text) AppendUtf8(out, cp);
    return out;
}

}  // namespace krepogor
