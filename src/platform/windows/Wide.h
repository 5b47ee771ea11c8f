#pragma once

#include <string>

namespace krepogor {

// UTF-8, the game's text, to and from UTF-16, the text of Windows' own calls.
std::wstring WideOf(const std::string& utf8);
std::string Utf8OfWide(const std::wstring& wide);

// Sets errno to the nearest meaning of a Windows error (GetLastError()).
void SetErrnoFrom(unsigned long windowsError);

}  // namespace krepogor
