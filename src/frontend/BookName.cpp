#include "frontend/BookName.h"

#include <utility>

#include "frontend/CodePoints.h"
#include "frontend/Cp1251.h"

namespace krepogor {
namespace {

struct Composition {
    char32_t letter, mark, composed;
};

// Every pair that composes into a character of the page: the Cyrillic letters
// with an acute, a breve or a diaeresis. (The page holds no accented Latin.)
constexpr Composition kCompositions[] = {
    {U'Г', 0x0301, U'Ѓ'}, {U'г', 0x0301, U'ѓ'}, {U'К', 0x0301, U'Ќ'}, {U'к', 0x0301, U'ќ'},
    {U'И', 0x0306, U'Й'}, {U'и', 0x0306, U'й'}, {U'У', 0x0306, U'Ў'}, {U'у', 0x0306, U'ў'},
    {U'Е', 0x0308, U'Ё'}, {U'е', 0x0308, U'ё'}, {U'І', 0x0308, U'Ї'}, {U'і', 0x0308, U'ї'},
};

// Characters whose composed form is another one, which the page holds.
constexpr std::pair<char32_t, char32_t> kSingletons[] = {
    {0x212A, U'K'},    // Kelvin sign
    {0x037E, U';'},    // Greek question mark
    {0x0387, 0x00B7},  // Greek ano teleia: a middle dot
    {0x1FEF, U'`'},    // Greek varia
};

bool IsControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

}  // namespace

char32_t NameChar(char32_t typed) {
    for (const auto& [from, to] : kSingletons)
        if (typed == from) typed = to;
    if (IsControl(typed) || !Cp1251Byte(typed)) return 0;
    return typed;
}

char32_t ComposedName(char32_t letter, char32_t mark) {
    for (const Composition& c : kCompositions)
        if (c.letter == letter && c.mark == mark) return c.composed;
    return 0;
}

std::string KeptName(std::string_view typedUtf8) {
    std::u32string kept;
    bool lastKept = false;  // a mark composes only with the letter just kept
    for (const char32_t c : DecodeUtf8(typedUtf8)) {
        if (lastKept) {
            if (const char32_t composed = ComposedName(kept.back(), c)) {
                kept.back() = composed;
                continue;
            }
        }
        const char32_t k = NameChar(c);
        lastKept = k != 0 && kept.size() < kBookNameChars;
        if (lastKept) kept += k;
    }
    if (kept.find_first_not_of(U' ') == std::u32string::npos) return "";
    return EncodeUtf8(kept);
}

}  // namespace krepogor
