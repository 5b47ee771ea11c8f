#pragma once

namespace krepogor {

// From now on, losing the display (the game's window destroyed by another
// program, the connection to the display server broken) ends the program at
// once with a line in Russian on standard error and status 1, instead of the
// display library's own English. Called before the video starts, so that the
// video's own handlers pass on to these.
void EndOnLostDisplay();

// The line the program ends with.
inline constexpr const char* kLostDisplayText =
    "krepogor: Крепогор закрыт: связь с экраном потеряна (окно игры уничтожено или сервер "
    "экрана недоступен).\n";

}  // namespace krepogor
