#include "frontend/Cp1251.h"

#include <array>
#include <cstdint>
#include <optional>

#include "frontend/CodePoints.h"

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

}  // namespace

std::optional<unsigned char> Cp1251Byte(char32_t cp) {
    if (cp < 0x80) return static_cast<unsigned char>(cp);
    if (cp >= kCyrillicA && cp < kCyrillicA + 64)
        return static_cast<unsigned char>(0xC0 + (cp - kCyrillicA));
    for (size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] != 0 && kHigh[i] == cp) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

std::string Utf8ToCp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        const auto cp = NextCodePoint(utf8, pos);
        const auto byte = cp ? Cp1251Byte(*cp) : std::nullopt;
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
