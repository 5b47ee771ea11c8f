#pragma once

namespace krepogor {

// Once SDL's video is up: a hang-up (the terminal or the session that started
// the game goes away) reaches the game as the quit SDL makes of SIGTERM and
// SIGINT, so that every way of being told to go ends the same way. Left alone
// when the hang-up was ignored before the game started (nohup).
void QuitOnHangup();

}  // namespace krepogor
