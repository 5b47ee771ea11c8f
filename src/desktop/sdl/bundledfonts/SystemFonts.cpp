// The label fonts where the system has no font lookup of its own (Windows,
// the browser): free fonts that travel with the game in the "fonts" folder
// beside the program, in place of the families the game names.
#include "desktop/sdl/SystemFonts.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "platform/SystemPlaces.h"
#include "platform/Utf8Path.h"

namespace krepogor {
namespace {

struct Face {
    const char* family;
    bool bold;
    bool italic;
    const char* file;
};

// The countdown's Garamond wants lining figures: URW's Palatino-like face has them.
constexpr Face kFaces[] = {
    {"Garamond", true, false, "P052-Bold.otf"},
    {"Arial", false, false, "LiberationSans-Regular.ttf"},
    {"Arial", true, false, "LiberationSans-Bold.ttf"},
    {"Arial", false, true, "LiberationSans-Italic.ttf"},
    {"Arial", true, true, "LiberationSans-BoldItalic.ttf"},
    {"Liberation Sans", false, false, "LiberationSans-Regular.ttf"},
    {"Liberation Sans", true, false, "LiberationSans-Bold.ttf"},
    {"Liberation Sans", false, true, "LiberationSans-Italic.ttf"},
    {"Liberation Sans", true, true, "LiberationSans-BoldItalic.ttf"},
};

}  // namespace

std::string FindFontFile(const std::string& family, bool bold, bool italic) {
    const std::string program = RunningProgram();
    if (program.empty()) return "";
    const std::filesystem::path fonts = PathOf(program).parent_path() / "fonts";
    const Face* best = nullptr;
    for (const Face& f : kFaces) {
        if (family != f.family) continue;
        if (f.bold == bold && f.italic == italic) {
            best = &f;
            break;
        }
        if (!best) best = &f;  // another style of the family rather than nothing
    }
    if (!best) return "";
    std::error_code ec;
    const std::filesystem::path file = fonts / best->file;
    return std::filesystem::is_regular_file(file, ec) ? Utf8Of(file) : "";
}

std::string SystemFamily(const std::string& family) {
    if (family == "Garamond") return "P052";
    if (family == "Arial") return "Liberation Sans";
    return family;
}

void ReleaseFontLookup() {}

}  // namespace krepogor
