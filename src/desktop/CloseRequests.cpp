#include "desktop/CloseRequests.h"

namespace krepogor {

CloseAction CloseRequests::WindowClosed() {
    afterClose_ = true;
    return CloseAction::CloseShown;
}

CloseAction CloseRequests::Quit() {
    const bool echo = afterClose_;
    afterClose_ = false;
    return echo ? CloseAction::None : CloseAction::EndProgram;
}

}  // namespace krepogor
