#pragma once

namespace krepogor {

class Game;

// Holds the battle behind the "Пауза!" box, with the music and enemy sounds
// stopped, and resumes it exactly as it stood.
void Pauses(Game& g);
// The battle menu's "Пауза" (F6).
void Pouse_Click(Game& g);

}  // namespace krepogor
