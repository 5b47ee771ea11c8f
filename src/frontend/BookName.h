#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace krepogor {

// What a champion's name may hold: the characters the book's code page keeps,
// in their composed form, at most 20 of them (the name field's bytes).
inline constexpr size_t kBookNameChars = 20;

// The character the book keeps for a typed one: itself, or the one it
// stands for in composed form (a Kelvin sign is a K); 0 when the book cannot
// hold it (no code in the page, or a control character).
char32_t NameChar(char32_t typed);

// The one character a letter and a combining mark typed after it make (И and
// a combining breve make Й), when the book can hold it; 0 otherwise.
char32_t ComposedName(char32_t letter, char32_t mark);

// What the book keeps of a typed name: composed, without the characters it
// cannot hold, cut to its first 20 characters; a name of spaces only is empty.
std::string KeptName(std::string_view typedUtf8);

}  // namespace krepogor
