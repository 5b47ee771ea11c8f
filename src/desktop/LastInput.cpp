#include "desktop/LastInput.h"

namespace krepogor {

bool LastInput::Note(InputKind k) {
    kind_ = k;
    const bool was = touching_;
    if (k == InputKind::Touch)
        touching_ = true;
    else if (k != InputKind::Mouse)
        touching_ = false;
    brought_ = touching_ && !was;
    return touching_ != was;
}

}  // namespace krepogor
