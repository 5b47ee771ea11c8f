#pragma once

#include <array>
#include <vector>

#include "state/BattleState.h"

namespace krepogor {

class Game;

// What a ball will do if nothing new enters its path: the enemy kind it hits
// first (0 when it lands without a hit) and in how many battle ticks.
struct BallFate {
    int kind = 0;
    int ticks = 0;
};

// The arc of a new ball at each gun angle, one point per battle tick up to
// and with its landing, for the gun's present force and flight speed. Worked
// out once, on a scratch copy of the flight values, with the battle's own
// flight step.
class Arcs {
public:
    struct Point {
        float x, y;
    };
    const std::vector<Point>& For(const BattleState& s, int angle);

private:
    float speed_ = -1;
    double dt_ = -1, grav_ = -1, pi_ = -1;
    std::array<std::vector<Point>, 7> arcs_;
    BattleState scratch_;
};

// Foresees the flight of balls against the enemies on the field, each enemy
// assumed to walk on at its speed. It reads what the screen shows and never
// touches the battle.
class Aim {
public:
    Aim(const Game& g, Arcs& arcs);

    // The ball in flight in slot i.
    BallFate InFlight(int i);
    // A ball fired now from slot i at gun angle `angle`.
    BallFate Fired(int i, int angle);

private:
    struct Enemy {
        int kind;
        float x, y, w, h, speed;
    };
    // The first enemy, at the foreseen places `x`, whose picture holds the
    // hit point of a ball at (bx, by).
    int HitAt(float bx, float by, const float* x) const;
    void Walk(float* x) const;

    const Game& g_;
    Arcs& arcs_;
    std::array<Enemy, 6> enemies_{};
    int count_ = 0;
    BattleState scratch_;
};

}  // namespace krepogor
