#include <gtest/gtest.h>

#include "desktop/CloseRequests.h"

namespace krepogor {
namespace {

TEST(CloseRequestsTest, TheQuitThatEchoesACloseBoxIsNotASecondRequest) {
    CloseRequests c;
    c.WindowClosed();
    EXPECT_FALSE(c.QuitEndsProgram());
    // Two close boxes in a row, one echo.
    c.WindowClosed();
    c.WindowClosed();
    EXPECT_FALSE(c.QuitEndsProgram());
}

TEST(CloseRequestsTest, AQuitOnItsOwnEndsTheProgram) {
    CloseRequests c;
    EXPECT_TRUE(c.QuitEndsProgram());
    // A quit after other input is not the close box's echo.
    c.WindowClosed();
    c.Other();
    EXPECT_TRUE(c.QuitEndsProgram());
    // Only the first quit after a close box is its echo.
    c.WindowClosed();
    EXPECT_FALSE(c.QuitEndsProgram());
    EXPECT_TRUE(c.QuitEndsProgram());
}

}  // namespace
}  // namespace krepogor
