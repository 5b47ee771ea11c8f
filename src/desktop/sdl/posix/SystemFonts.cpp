// The label fonts on a POSIX desktop: asked of fontconfig.
#include "desktop/sdl/SystemFonts.h"

#include <fontconfig/fontconfig.h>

#include <string>

namespace krepogor {
namespace {

// Families the game names and what a Linux desktop has in their place. The
// countdown's Garamond wants lining figures, which EB Garamond lacks (its
// figures are old-style): URW's Palatino-like face has them.
const char* Substitute(const std::string& family) {
    if (family == "Garamond") return "P052";
    if (family == "Arial") return "Liberation Sans";
    return nullptr;
}

bool Fits(FcPattern* font, const std::string& family, int weight, int slant) {
    int w = 0, s = 0;
    if (FcPatternGetInteger(font, FC_WEIGHT, 0, &w) != FcResultMatch) return false;
    if (FcPatternGetInteger(font, FC_SLANT, 0, &s) != FcResultMatch) return false;
    bool named = false;
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &name) == FcResultMatch; ++i)
        if (family == reinterpret_cast<const char*>(name)) named = true;
    return named && (weight < FC_WEIGHT_BOLD || w >= FC_WEIGHT_DEMIBOLD) &&
           (weight >= FC_WEIGHT_BOLD || w < FC_WEIGHT_DEMIBOLD) &&
           ((slant != FC_SLANT_ROMAN) == (s != FC_SLANT_ROMAN));
}

std::string FileOf(FcPattern* font) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch) return "";
    return reinterpret_cast<const char*>(file);
}

std::string Lookup(const std::string& family, bool bold, bool italic) {
    if (!FcInit()) return "";
    const int weight = bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR;
    const int slant = italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, weight);
    FcPatternAddInteger(pattern, FC_SLANT, slant);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    std::string file;
    // Some families (optical sizes) make the best match a regular face even
    // when a bold one exists: take the first face of the family that has the
    // style asked for, and the best match only when there is none.
    FcResult result;
    if (FcFontSet* sorted = FcFontSort(nullptr, pattern, FcFalse, nullptr, &result)) {
        for (int i = 0; i < sorted->nfont && file.empty(); ++i)
            if (Fits(sorted->fonts[i], family, weight, slant)) file = FileOf(sorted->fonts[i]);
        FcFontSetDestroy(sorted);
    }
    if (file.empty()) {
        if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
            file = FileOf(match);
            FcPatternDestroy(match);
        }
    }
    FcPatternDestroy(pattern);
    return file;
}

}  // namespace

std::string SystemFamily(const std::string& family) {
    const char* sub = Substitute(family);
    return sub ? sub : family;
}

std::string FindFontFile(const std::string& family, bool bold, bool italic) {
    return Lookup(SystemFamily(family), bold, italic);
}

// Nothing else of the program uses fontconfig: give back its caches.
void ReleaseFontLookup() {
    FcFini();
}

}  // namespace krepogor
