#pragma once

namespace krepogor {

class Game;

// "Музыка" (F3): music on or off; only the main music device follows it.
void Music_Click(Game& g);
// "Звуки" (F4): sound effects on or off; playing sounds go on.
void Sound_Click(Game& g);

}  // namespace krepogor
