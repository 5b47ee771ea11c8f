// The name box of a won battle in the real desktop program, on SDL's dummy
// drivers: what is typed is what the book keeps.
#include <gtest/gtest.h>

#include "NameBoxRun.h"

namespace krepogor {
namespace {

TEST(NameBox, KeepsWhatIsTypedAsTheBookHoldsIt) {
    const Outcome o = WinAndThen("typed", [] {
        PushText("И");
        PushText("\u0306");  // a combining breve typed on its own: Й
        PushText("中 ");     // no character of the book's page
        PushText("ван");
        PushKey(SDL_SCANCODE_RETURN);
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
    });
    EXPECT_FALSE(o.timedOut);
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.book, "\xC9 \xE2\xE0\xED" + std::string(15, ' '));  // "Й ван"
}

}  // namespace
}  // namespace krepogor
