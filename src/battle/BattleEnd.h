#pragma once

#include <cstdint>

namespace krepogor {

class Game;
struct BattleState;

// Kills needed to leave level 1..9; 1500 at level 10 win the battle.
constexpr int32_t LevelThreshold[10] = {5, 15, 50, 100, 200, 350, 500, 750, 1000, 1500};

int64_t ComputeFinalScore(const BattleState& s);

// After the balls and enemies have moved: the automatic repair, the defeat,
// the level rise and the victory. True when the battle has ended.
bool SettleBattle(Game& g);

}  // namespace krepogor
