#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>

#include "script/Aim.h"
#include "state/Slots.h"

namespace krepogor {

class Game;

// A player for whole battles. After every battle tick it looks at what the
// screen shows (the enemies, where they are and how fast they come, the balls
// in flight, the money and the life) and acts only with the keys a person
// uses: Up and Down to aim, Space to fire, C, V and B to buy. It never draws
// a random number, never writes the state and answers no box. When a battle
// it played ends it prints one line on how it went.
class Autopilot {
public:
    Autopilot(Game& g, std::ostream& out) : g_(g), out_(out) {}

    void On(bool on) { on_ = on; }
    bool IsOn() const { return on_; }
    // The seed the game's generator was given, for the closing line.
    void Seed(uint64_t seed) { seed_ = seed; }

    // Called after every battle tick.
    void AfterTick();

private:
    void CountHits();
    void Buy();
    void Fire();
    void Press(int16_t key);
    void Report();

    Game& g_;
    std::ostream& out_;
    bool on_ = false;
    std::optional<uint64_t> seed_;
    std::optional<int64_t> battleStart_;  // virtual ms of the battle's first tick
    int64_t hits_ = 0;                    // balls that struck an enemy
    int64_t shots_ = 0, kills_ = 0;       // as the last tick left them
    Slots<int16_t, 1, 3> flying_;         // the balls in flight after our last keys
    Arcs arcs_;
};

}  // namespace krepogor
