#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace krepogor {

// Text read from a file, made safe to show: control characters (and bytes
// that are no UTF-8) as \xNN escapes, a backslash doubled, and cut after
// `limit` characters with "…" so that a huge line stays readable.
std::string PrintableText(std::string_view text, size_t limit = 80);

// A file's path as a message names it: in «», made safe to show, cut only
// past what any real path takes.
std::string QuotedPath(std::string_view path);

}  // namespace krepogor
