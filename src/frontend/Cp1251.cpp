#include "frontend/Cp1251.h"

#include <array>
#include <cstdint>
#include <optional>

namespace krepogor {

namespace {

// Code points of the bytes 0x80..0xBF; 0 marks the one undefined byte.
// From 0xC0 on the page holds А..я in order (U+0410..U+044F).
constexpr std::array<char32_t, 64> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

constexpr char32_t kCyrillicA = 0x0410;

char32_t ToCodePoint(unsigned char b) {
    if (b < 0x80) return b;
    if (b >= 0xC0) return kCyrillicA + (b - 0xC0);
    return kHigh[b - 0x80];
}

std::optional<unsigned char> ToByte(char32_t cp) {
    if (cp < 0x80) return static_cast<unsigned char>(cp);
    if (cp >= kCyrillicA && cp < kCyrillicA + 64)
        return static_cast<unsigned char>(0xC0 + (cp - kCyrillicA));
    for (size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] != 0 && kHigh[i] == cp) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        // The page holds nothing beyond the Basic Multilingual Plane.
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at `pos` and moves past it. A malformed sequence
// yields nothing and moves past its longest valid-looking beginning (at least
// one byte), so that each broken sequence stands for one character.
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

}  // namespace

std::string Utf8ToCp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        const auto cp = NextCodePoint(utf8, pos);
        const auto byte = cp ? ToByte(*cp) : std::nullopt;
        out += byte ? static_cast<char>(*byte) : '?';
    }
    return out;
}

std::string Cp1251ToUtf8(std::string_view cp1251) {
    std::string out;
    out.reserve(cp1251.size() * 2);
    for (char c : cp1251) {
        const char32_t cp = ToCodePoint(static_cast<unsigned char>(c));
        if (cp == 0) {
            out += (c == 0) ? '\0' : '?';
        } else {
            AppendUtf8(out, cp);
        }
    }
    return out;
}

}  // namespace krepogor
