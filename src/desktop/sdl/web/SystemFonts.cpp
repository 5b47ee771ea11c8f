// The label fonts in the browser: free fonts that travel in the page's data,
// in its "fonts" folder.
#include "desktop/sdl/SystemFonts.h"

#include "desktop/sdl/BundledFonts.h"

namespace krepogor {

std::string FindFontFile(const std::string& family, bool bold, bool italic) {
    return BundledFontFile("/fonts", family, bold, italic);
}

std::string SystemFamily(const std::string& family) {
    return BundledFamily(family);
}

void ReleaseFontLookup() {}

}  // namespace krepogor
