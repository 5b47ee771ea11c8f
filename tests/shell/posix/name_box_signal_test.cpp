// A signal while the name box is open (SIGTERM, or SIGHUP as a lost
// terminal sends it) closes it as its close box does, keeps the row, then
// ends the game.
#include <gtest/gtest.h>

#include <csignal>

#include "shell/NameBoxRun.h"

namespace krepogor {
namespace {

TEST(NameBox, ASignalClosesItAsItsCloseBoxThenEndsTheGame) {
    for (const int signal : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal);
        const Outcome o = WinAndThen("signal", {}, Steps().Then([signal](const Game&) {
            PushText("Ян");
            std::raise(signal);
        }));
        EXPECT_FALSE(o.run.timedOut);
        EXPECT_EQ(o.run.status, 0);
        // "Анонимщик", as Cancel and the close box enter it.
        EXPECT_EQ(o.book, "\xC0\xED\xEE\xED\xE8\xEC\xF9\xE8\xEA" + std::string(11, ' '));
    }
}

}  // namespace
}  // namespace krepogor
