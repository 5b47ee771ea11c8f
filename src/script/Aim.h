#pragma once

#include "state/BattleState.h"

namespace krepogor {

class Game;

// What a ball will do if nothing new enters its path: the enemy kind it hits
// first (0 when it lands without a hit) and in how many battle ticks.
struct BallFate {
    int kind = 0;
    int ticks = 0;
};

// Foresees the flight of balls against the enemies on the field, each enemy
// assumed to walk on at its speed. It reads what the screen shows and plays
// the arcs on a scratch copy of the flight values, never on the battle.
class Aim {
public:
    explicit Aim(const Game& g);

    // The ball in flight in slot i.
    BallFate InFlight(int i);
    // A ball fired now from slot i at gun angle `angle`.
    BallFate Fired(int i, int angle);

private:
    BallFate Follow(float x, float y, int angle, float t);
    int HitAt(float x, float y, const Slots<float, 1, 6>& mobX) const;

    const Game& g_;
    BattleState scratch_;
};

}  // namespace krepogor
