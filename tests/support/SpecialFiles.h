#pragma once

#include <string>

namespace krepogor {

// Makes a named pipe at `path` where the system has them; false where it
// has none (Windows), and the caller's check of pipes does not apply there.
bool MakePipe(const std::string& path);

}  // namespace krepogor
