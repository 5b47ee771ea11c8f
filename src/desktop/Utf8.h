#pragma once

#include <cstddef>
#include <string>

namespace krepogor {

// Byte offsets of whole characters in UTF-8 text. A stray continuation byte
// counts as a character of its own, so malformed text never traps the caret.

// Start of the character after the one at `pos`; s.size() at the end.
size_t NextCharStart(const std::string& s, size_t pos);
// Start of the character before `pos`; 0 at the start.
size_t PrevCharStart(const std::string& s, size_t pos);

}  // namespace krepogor
