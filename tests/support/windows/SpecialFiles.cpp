// Windows has no named pipes in its file system's folders.
#include "support/SpecialFiles.h"

namespace krepogor {

bool MakePipe(const std::string&) {
    return false;
}

}  // namespace krepogor
