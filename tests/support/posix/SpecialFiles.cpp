#include "support/SpecialFiles.h"

#include <sys/stat.h>

namespace krepogor {

bool MakePipe(const std::string& path) {
    return ::mkfifo(path.c_str(), 0644) == 0;
}

}  // namespace krepogor
