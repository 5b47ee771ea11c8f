#include <gtest/gtest.h>

#include "desktop/DisplayOptions.h"
#include "desktop/KeyRouting.h"

namespace krepogor {
namespace {

// Reads every argument as a display option; returns the first error.
std::string Read(const std::vector<std::string>& args, DisplayOptions& o) {
    for (size_t i = 0; i < args.size(); ++i) {
        std::string error;
        if (!TakeDisplayOption(args, i, o, error)) return "not mine: " + args[i];
        if (!error.empty()) return error;
    }
    return "";
}

TEST(DisplayOptions, ScaleAndFullscreenInEitherSpellingTheLastWins) {
    DisplayOptions o;
    EXPECT_EQ(Read({"--scale", "2", "--fullscreen", "--scale=1,5", "--window"}, o), "");
    EXPECT_EQ(o.scale, 1.5);
    EXPECT_EQ(o.fullscreen, false);
    DisplayOptions none;
    EXPECT_EQ(Read({}, none), "");
    EXPECT_FALSE(none.scale);
    EXPECT_FALSE(none.fullscreen);
}

TEST(DisplayOptions, BadScalesAndOtherOptionsAreTold) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"--scale"},
                                                                  {"--scale", "0"},
                                                                  {"--scale", "9"},
                                                                  {"--scale=abc"},
                                                                  {"--scale=-2"},
                                                                  {"--scale", "2x"},
                                                                  {"--scale", "nan"},
                                                                  {"--scale="}}) {
        DisplayOptions o;
        const std::string error = Read(args, o);
        EXPECT_NE(error, "") << args.back();
        EXPECT_EQ(error.find("not mine"), std::string::npos) << args.back();
    }
    DisplayOptions o;
    EXPECT_EQ(Read({"--help"}, o), "not mine: --help");
    // "--scale 2" leaves nothing of its value to be read as an option.
    EXPECT_EQ(Read({"--scale", "3", "--window"}, o), "");
    EXPECT_EQ(o.scale, 3);
}

TEST(DisplayOptions, F11AndAltEnterSwitchFullscreen) {
    EXPECT_TRUE(TogglesFullscreen(68, false));   // F11
    EXPECT_TRUE(TogglesFullscreen(40, true));    // Alt+Enter
    EXPECT_TRUE(TogglesFullscreen(88, true));    // Alt+keypad Enter
    EXPECT_FALSE(TogglesFullscreen(40, false));  // Enter alone answers boxes and menus
    EXPECT_FALSE(TogglesFullscreen(67, true));   // F10 stays the menu bar's
}

}  // namespace
}  // namespace krepogor
