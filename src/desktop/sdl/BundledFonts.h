#pragma once

#include <string>

namespace krepogor {

// The label fonts where they travel with the game (a "fonts" folder of free
// fonts in place of the families the game names), for systems without a
// font lookup of their own.

// The file in `folder` of the font that best fits the family and style, or "".
std::string BundledFontFile(const std::string& folder, const std::string& family, bool bold,
                            bool italic);

// The family that stands in for one the game names.
std::string BundledFamily(const std::string& family);

}  // namespace krepogor
