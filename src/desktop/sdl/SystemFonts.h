#pragma once

#include <string>

namespace krepogor {

// The file of the font that best fits the family and style, or "".
std::string FindFontFile(const std::string& family, bool bold, bool italic);

// The family asked of the system for one the game names.
std::string SystemFamily(const std::string& family);

// Gives back what looking fonts up took, once no more will be looked up.
void ReleaseFontLookup();

}  // namespace krepogor
