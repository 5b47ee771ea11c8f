#pragma once

#include <iosfwd>

namespace krepogor {

class Driver;

// Runs a script line by line until its end or the program's, reporting a bad
// line on `err` with its number. Returns the driver's exit status: 0 done,
// 2 a malformed line, 3 a box with no answer waiting, 4 the program could not
// start.
int RunScript(Driver& driver, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace krepogor
