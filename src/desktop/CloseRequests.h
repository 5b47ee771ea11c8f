#pragma once

namespace krepogor {

// What the game is asked to do when the desktop wants a window or the whole
// program closed.
enum class CloseAction {
    None,        // nothing: the request was already answered
    CloseShown,  // the close box of the window shown: it closes as its own box says
    EndProgram,  // a quit from the desktop session or a signal: the program shuts down
};

// Sorts the desktop's close and quit events into close requests. The
// toolkit follows the close box of its last window with a quit of its own;
// that quit is the same request, not a second one, so it is dropped. A quit
// that comes on its own (the session ends, SIGTERM, SIGINT) ends the program,
// whatever window shows.
class CloseRequests {
public:
    // The shown window's close box was pressed.
    CloseAction WindowClosed();
    // A quit arrived.
    CloseAction Quit();
    // Any other event: a quit after it is not the close box's echo.
    void Other() { afterClose_ = false; }

private:
    bool afterClose_ = false;
};

}  // namespace krepogor
