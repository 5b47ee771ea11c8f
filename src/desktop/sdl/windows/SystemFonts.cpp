// The label fonts on Windows: free fonts that travel with the game in the
// "fonts" folder beside the program.
#include "desktop/sdl/SystemFonts.h"

#include "desktop/sdl/BundledFonts.h"
#include "platform/SystemPlaces.h"
#include "platform/Utf8Path.h"

namespace krepogor {

std::string FindFontFile(const std::string& family, bool bold, bool italic) {
    const std::string program = RunningProgram();
    if (program.empty()) return "";
    return BundledFontFile(Utf8Of(PathOf(program).parent_path() / "fonts"), family, bold, italic);
}

std::string SystemFamily(const std::string& family) {
    return BundledFamily(family);
}

void ReleaseFontLookup() {}

}  // namespace krepogor
