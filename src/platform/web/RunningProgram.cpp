// A program in the browser, or run by node, is no file of its own (node's
// /proc/self/exe is node): the program is found by the name it was started
// by, which node gives as the script's path and the page as one at "/".
#include "platform/SystemPlaces.h"

namespace krepogor {

std::string RunningProgram() {
    return "";
}

}  // namespace krepogor
