#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace krepogor {

// The Windows-1251 code page, which the champions' book stores its names in.
// In memory every text is UTF-8.

// The page's byte for a character, when the page holds it.
std::optional<unsigned char> Cp1251Byte(char32_t cp);

// One byte per character. A character with no code in the page, and every
// malformed UTF-8 sequence, becomes "?".
std::string Utf8ToCp1251(std::string_view utf8);

// Every byte maps to one character; 0x98, which the page leaves undefined,
// becomes "?".
std::string Cp1251ToUtf8(std::string_view cp1251);

}  // namespace krepogor
