#include "desktop/BoxButtons.h"

namespace krepogor {

std::vector<std::string> ButtonCaptions(MsgButtons buttons) {
    if (buttons == MsgButtons::YesNo) return {"Да", "Нет"};
    return {"ОК"};
}

MsgAnswer AnswerOf(MsgButtons buttons, int index) {
    if (buttons == MsgButtons::YesNo) return index == 0 ? MsgAnswer::Yes : MsgAnswer::No;
    return MsgAnswer::OK;
}

std::vector<std::string> InputBoxCaptions() {
    return {"ОК", "Отмена"};
}

}  // namespace krepogor
