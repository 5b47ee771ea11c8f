#include "desktop/CloseRequests.h"

namespace krepogor {

bool CloseRequests::QuitEndsProgram() {
    const bool echo = afterClose_;
    afterClose_ = false;
    return !echo;
}

}  // namespace krepogor
