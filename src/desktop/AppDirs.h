#pragma once

#include <string>

namespace krepogor {

// The directory of the running program (argv0 names it when the system cannot).
std::string ExecutableDir(const std::string& argv0);

// The application directory is the one that holds "gamedata": the program's
// own directory when it does, otherwise `fallback` (the source tree the
// program was built from).
std::string FindAppDir(const std::string& exeDir, const std::string& fallback);
// The pictures of the program: "resources" beside the program when it is
// there, otherwise `fallback`.
std::string FindResourcesDir(const std::string& exeDir, const std::string& fallback);

}  // namespace krepogor
