#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace krepogor {

class Game;

// One variable of the battle state as the driver prints and sets it.
struct StateField {
    std::string name;
    std::function<std::string()> json;  // the value, an array as a JSON array
    // Sets the value (index given for arrays); false when the text does not fit.
    std::function<bool(std::optional<int> index, const std::string& text)> set;
};

// Every shared variable and every variable of the battle window, in the order
// the state lists them.
std::vector<StateField> StateFields(Game& g);

}  // namespace krepogor
