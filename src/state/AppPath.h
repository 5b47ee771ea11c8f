#pragma once

#include <string>

namespace krepogor {

// The application directory followed by a game path such as
// "\gamedata\sounds\shot.wav"; backslashes become the system's separators.
std::string AppPath(const std::string& appDir, const std::string& gamePath);

}  // namespace krepogor
