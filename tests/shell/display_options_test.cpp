#include <gtest/gtest.h>

#include "desktop/CommandLine.h"
#include "desktop/DisplayOptions.h"
#include "desktop/KeyRouting.h"

namespace krepogor {
namespace {

TEST(DisplayOptions, ScaleAndFullscreenInEitherSpellingTheLastWins) {
    const CommandLine line = ParseCommandLine(
        std::vector<std::string>{"--scale", "2", "--fullscreen", "--scale=1,5", "--window"});
    EXPECT_EQ(line.action, CommandLine::Action::Play);
    EXPECT_EQ(line.display.scale, 1.5);
    EXPECT_EQ(line.display.fullscreen, false);
    const CommandLine none = ParseCommandLine(std::vector<std::string>{});
    EXPECT_FALSE(none.display.scale);
    EXPECT_FALSE(none.display.fullscreen);
    // "--scale 3" leaves nothing of its value to be read as an argument.
    EXPECT_EQ(ParseCommandLine(std::vector<std::string>{"--scale", "3", "--window"}).display.scale,
              3);
}

TEST(DisplayOptions, BadScalesRefuseTheLineAndSayWhy) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"--scale"},
                                                                  {"--scale", "0"},
                                                                  {"--scale", "9"},
                                                                  {"--scale=abc"},
                                                                  {"--scale=-2"},
                                                                  {"--scale", "2x"},
                                                                  {"--scale", "nan"},
                                                                  {"--scale="},
                                                                  {"--scale", "1e1"}}) {
        const CommandLine line = ParseCommandLine(args);
        EXPECT_EQ(line.action, CommandLine::Action::Refuse) << args.back();
        EXPECT_NE(line.error.find("scale"), std::string::npos) << line.error;
    }
    EXPECT_EQ(ParseCommandLine(std::vector<std::string>{"--scale", "0.25"}).display.scale, 0.25);
    EXPECT_EQ(ParseScale("8"), 8);
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
