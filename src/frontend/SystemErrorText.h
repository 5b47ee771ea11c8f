#pragma once

#include <string>
#include <system_error>

namespace krepogor {

// The system's reason for a failed call, in Russian: the common causes (no
// space, no permission, not a folder, a read-only file system ...) as words,
// any other as the words "ошибка системы" and its errno name ("EIO").
std::string SystemErrorText(int errnum);
// The same for an error code of the standard library (the file system's, or
// the system's own on Windows, read through its portable condition).
std::string SystemErrorText(const std::error_code& ec);

}  // namespace krepogor
