#include <gtest/gtest.h>

#include "desktop/CloseRequests.h"

namespace krepogor {
namespace {

TEST(CloseRequestsTest, TheQuitThatEchoesACloseBoxIsNotASecondRequest) {
    CloseRequests c;
    EXPECT_EQ(c.WindowClosed(), CloseAction::CloseShown);
    EXPECT_EQ(c.Quit(), CloseAction::None);
    // Each close box is one request, also twice in a row.
    EXPECT_EQ(c.WindowClosed(), CloseAction::CloseShown);
    EXPECT_EQ(c.WindowClosed(), CloseAction::CloseShown);
    EXPECT_EQ(c.Quit(), CloseAction::None);
}

TEST(CloseRequestsTest, AQuitOnItsOwnEndsTheProgram) {
    CloseRequests c;
    EXPECT_EQ(c.Quit(), CloseAction::EndProgram);
    // A quit after other input is not the close box's echo.
    c.WindowClosed();
    c.Other();
    EXPECT_EQ(c.Quit(), CloseAction::EndProgram);
    // Only the first quit after a close box is its echo.
    c.WindowClosed();
    EXPECT_EQ(c.Quit(), CloseAction::None);
    EXPECT_EQ(c.Quit(), CloseAction::EndProgram);
}

}  // namespace
}  // namespace krepogor
