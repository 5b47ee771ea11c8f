// The desktop program's way out when it cannot go on.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <sstream>

#include "desktop/StartupText.h"
#include "desktop/Utf8.h"
#include "desktop/sdl/SdlShell.h"

namespace krepogor {
namespace {

std::string WithoutBlanks(std::string s) {
    std::erase_if(s, [](char c) { return c == ' ' || c == '\n'; });
    return s;
}

// A long reason, with a path longer than a line, fits a box on a small
// screen: no line is longer than the box allows, and nothing is lost.
TEST(StartupText, LongReasonsWrapToTheBox) {
    const std::string path = "/home/player/" + std::string(120, 'x') + "/resources/ImgZifra_11.png";
    const std::string text = StartupFailureText("картинка «" + path + "» не годится: файла нет.");
    const std::string wrapped = WrapToColumns(text, kBoxColumns);
    std::istringstream lines(wrapped);
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        int chars = 0;
        for (size_t at = 0; at < line.size(); at = NextCharStart(line, at)) ++chars;
        EXPECT_LE(chars, kBoxColumns) << line;
    }
    EXPECT_GE(count, 3);
    EXPECT_EQ(WithoutBlanks(wrapped), WithoutBlanks(text));
    EXPECT_EQ(text.rfind("Крепогор не может начаться: картинка «", 0), 0u);
}

// Memory running out anywhere ends the program with status 1, not a crash.
TEST(StartupFailure, RunningOutOfMemoryEndsWithStatusOne) {
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    ShellOptions options;
    options.appDir = KREPOGOR_SOURCE_DIR;
    options.resourcesDir = std::string(KREPOGOR_SOURCE_DIR) + "/resources";
    options.onPass = [](const Game&) { throw std::bad_alloc(); };
    testing::internal::CaptureStderr();
    EXPECT_EQ(RunDesktopGame(options), 1);
    EXPECT_NE(testing::internal::GetCapturedStderr().find(kOutOfMemoryText), std::string::npos);
}

}  // namespace
}  // namespace krepogor
