#pragma once

namespace krepogor {

class Game;

// Prepares the battle window once per run: the generator, the first picture
// of every sprite buffer, the explosion and engine sound devices, and the
// window's timers. It starts no battle.
void frm_vustrel_Load(Game& g);

}  // namespace krepogor
