#pragma once

#include <string>
#include <vector>

namespace krepogor {

class Game;

// One value of the battle state as a word: its JSON without blanks, a blank
// inside a string written as \u0020, so that it fits an `expect` line.
struct StateValue {
    std::string name;
    std::string word;
};

// Every variable the driver's `state` prints, then "visible" and every sprite
// buffer, in that order.
std::vector<StateValue> StateValues(Game& g);

// The JSON of a value as one word (see StateValue).
std::string CompactJson(const std::string& json);

// "expect NAME=WORD ..." with every value of StateValues.
std::string ExpectLine(Game& g);
// The same with the few values that show soonest where a replay parts from
// its run: where the enemies and the balls are, the gun, the counts, the
// window shown.
std::string CheckpointLine(Game& g);

}  // namespace krepogor
