// Words the player reads about files: the system's reasons in Russian, and
// text from a file made safe to print.
#include <gtest/gtest.h>

#include <cerrno>

#include "frontend/PrintableText.h"
#include "frontend/SystemErrorText.h"

namespace krepogor {
namespace {

TEST(MessageText, SystemReasonsAreRussianOrNamed) {
    EXPECT_EQ(SystemErrorText(ENOSPC), "на диске нет места");
    EXPECT_EQ(SystemErrorText(EACCES), "нет прав доступа");
    EXPECT_EQ(SystemErrorText(ENOTDIR), "в пути стоит не папка");
    EXPECT_EQ(SystemErrorText(EROFS), "файловая система только для чтения");
    EXPECT_EQ(SystemErrorText(EIO), "ошибка системы EIO");
    EXPECT_EQ(SystemErrorText(987654), "ошибка системы номер 987654");
    // The file system's codes read through their portable condition.
    EXPECT_EQ(SystemErrorText(std::make_error_code(std::errc::no_space_on_device)),
              "на диске нет места");
}

TEST(MessageText, FileTextIsEscapedAndCut) {
    const struct {
        std::string in;
        size_t limit;
        std::string out;
    } cases[] = {
        {"scale=2", 80, "scale=2"},
        {"имя=Ёж", 80, "имя=Ёж"},
        {"\x1b[2J\x1b"
         "c",
         80, "\\x1B[2J\\x1Bc"},
        {"a\tb\r\n", 80, "a\\x09b\\x0D\\x0A"},
        {"back\\slash", 80, "back\\\\slash"},
        {"\xff\xc3(", 80, "\\xFF\\xC3("},
        {"\xc2\x9b"
         "1m",
         80, "\\xC2\\x9B1m"},  // a C1 control in UTF-8
        {"абвгд", 3, "абв…"},
        {std::string(10'000'000, 'x'), 5, "xxxxx…"},
        {"abc", 3, "abc"},
    };
    for (const auto& c : cases) EXPECT_EQ(PrintableText(c.in, c.limit), c.out) << c.in.size();
    // A path keeps Windows' single backslashes; a link's target of escape codes does not reach
    // the terminal.
    EXPECT_EQ(QuotedPath("C:\\Users\\Ян\\settings.ini"), "«C:\\Users\\Ян\\settings.ini»");
    EXPECT_EQ(QuotedPath("/home/\x1b]0;x\x07"), "«/home/\\x1B]0;x\\x07»");
}

}  // namespace
}  // namespace krepogor
