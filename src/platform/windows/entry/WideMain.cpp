// Windows hands a program its arguments as UTF-16 text: they reach the
// program's own main (built under the name Utf8Main) as UTF-8, as on every
// other system.
#include <string>
#include <vector>

#include "platform/windows/Wide.h"

int Utf8Main(int argc, char** argv);

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 0; i < argc; ++i) args.push_back(krepogor::Utf8OfWide(argv[i]));
    std::vector<char*> pointers;
    for (auto& a : args) pointers.push_back(a.data());
    pointers.push_back(nullptr);
    return Utf8Main(argc, pointers.data());
}
