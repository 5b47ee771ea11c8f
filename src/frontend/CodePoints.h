#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace krepogor {

// UTF-8 text as characters (Unicode code points) and back.

// Decodes one UTF-8 sequence at `pos` and moves past it. A malformed sequence
// yields nothing and moves past its longest valid-looking beginning (at least
// one byte), so that each broken sequence stands for one character.
std::optional<char32_t> NextCodePoint(std::string_view s, size_t& pos);

// Every character of the text; each malformed sequence becomes U+FFFD.
std::u32string DecodeUtf8(std::string_view utf8);

void AppendUtf8(std::string& out, char32_t cp);
std::string EncodeUtf8(std::u32string_view text);

}  // namespace krepogor
