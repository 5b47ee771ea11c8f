#pragma once

#include <string>

namespace krepogor {

enum class MsgButtons { OK, YesNo };
enum class MsgAnswer { OK, Yes, No };

// Modal boxes. While a box is open the program's enabled timers keep firing
// (the box runs a nested event loop); the call returns when the player answers.
class IDialogs {
public:
    virtual ~IDialogs() = default;
    virtual MsgAnswer MsgBox(const std::string& text, const std::string& title,
                             MsgButtons buttons) = 0;
    // OK returns the typed text, Cancel returns "".
    virtual std::string InputBox(const std::string& prompt, const std::string& title) = 0;
};

}  // namespace krepogor
