#pragma once

namespace krepogor {

// Sorts the desktop's close and quit events into close requests. The
// toolkit follows the close box of its last window with a quit of its own;
// that quit is the same request, not a second one, so it is dropped. A quit
// that comes on its own (the session ends, SIGTERM, SIGINT) ends the program,
// whatever window shows.
class CloseRequests {
public:
    // The shown window's close box was pressed: it closes as its own box says.
    void WindowClosed() { afterClose_ = true; }
    // A quit arrived: true when it ends the program, false when it only
    // echoes the close box just before.
    bool QuitEndsProgram();
    // Any other event: a quit after it is not the close box's echo.
    void Other() { afterClose_ = false; }

private:
    bool afterClose_ = false;
};

}  // namespace krepogor
