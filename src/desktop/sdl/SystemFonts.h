#pragma once

#include <string>

namespace krepogor {

// The file of the font that best fits the family and style, or "".
std::string FindFontFile(const std::string& family, bool bold, bool italic);

// Gives back what looking fonts up took, once no more will be looked up.
void ReleaseFontLookup();

}  // namespace krepogor
