#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace krepogor {

// Text read from a file, made safe to show: control characters (and bytes
// that are no UTF-8) as \xNN escapes, a backslash doubled, and cut after
// `limit` characters with "…" so that a huge line stays readable.
std::string PrintableText(std::string_view text, size_t limit = 80);

}  // namespace krepogor
