#include "frontend/SystemErrorText.h"

#include <cerrno>

namespace krepogor {
namespace {

struct Cause {
    int errnum;
    const char* name;
    const char* words;  // empty: told by its name
};

// The causes a player meets with files and folders get words; the rest only
// their names, which a maintainer can look up.
constexpr Cause kCauses[] = {
    {ENOSPC, "ENOSPC", "на диске нет места"},
    {EACCES, "EACCES", "нет прав доступа"},
    {EPERM, "EPERM", "операция не разрешена"},
    {EROFS, "EROFS", "файловая система только для чтения"},
    {ENOTDIR, "ENOTDIR", "в пути стоит не папка"},
    {EISDIR, "EISDIR", "это папка, а не файл"},
    {ENOENT, "ENOENT", "нет такого файла или папки"},
    {EEXIST, "EEXIST", "файл уже существует"},
    {ENAMETOOLONG, "ENAMETOOLONG", "слишком длинное имя"},
    {ELOOP, "ELOOP", "слишком много символических ссылок"},
    {EFBIG, "EFBIG", "файл слишком велик"},
    {ENOMEM, "ENOMEM", "не хватает памяти"},
    {EIO, "EIO", ""},
    {EBUSY, "EBUSY", ""},
    {EMFILE, "EMFILE", ""},
    {ENFILE, "ENFILE", ""},
    {EINVAL, "EINVAL", ""},
    {EXDEV, "EXDEV", ""},
    {ETXTBSY, "ETXTBSY", ""},
    {EAGAIN, "EAGAIN", ""},
    {EINTR, "EINTR", ""},
    {ENODEV, "ENODEV", ""},
    {ENXIO, "ENXIO", ""},
    {EBADF, "EBADF", ""},
    {ENOTEMPTY, "ENOTEMPTY", ""},
    {EMLINK, "EMLINK", ""},
    {ENOSYS, "ENOSYS", ""},
    {ENOTSUP, "ENOTSUP", ""},
};

}  // namespace

std::string SystemErrorText(int errnum) {
    for (const Cause& c : kCauses) {
        if (c.errnum != errnum) continue;
        if (*c.words) return c.words;
        return std::string("ошибка системы ") + c.name;
    }
    return "ошибка системы номер " + std::to_string(errnum);
}

std::string SystemErrorText(const std::error_code& ec) {
    const std::error_condition portable = ec.default_error_condition();
    if (portable.category() == std::generic_category()) return SystemErrorText(portable.value());
    return "ошибка системы номер " + std::to_string(ec.value());
}

}  // namespace krepogor
