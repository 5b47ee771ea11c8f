#pragma once

#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace krepogor {

// The buttons of a message box, left to right.
std::vector<std::string> ButtonCaptions(MsgButtons buttons);
// What pressing button `index` of a message box answers.
MsgAnswer AnswerOf(MsgButtons buttons, int index);

// The buttons of the input box: OK keeps the text, Cancel gives "".
std::vector<std::string> InputBoxCaptions();

// Enter presses the first button of any box; Esc and closing the window press
// the last one (No, Cancel, or the only OK).
inline int EnterButton(size_t /*count*/) {
    return 0;
}
inline int EscapeButton(size_t count) {
    return count == 0 ? 0 : static_cast<int>(count) - 1;
}

}  // namespace krepogor
