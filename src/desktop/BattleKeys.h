#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>

namespace krepogor {

// The battle's keys the player may choose: aim up and down, fire, the three
// upgrades and pause, each one physical key (by its USB HID usage number, as
// SDL's scancodes). Esc, the exit question, and the menu's F1 to F12 stay.
class BattleKeys {
public:
    // The keys as the game has always had them: Up, Down, Space, C, V, B, P.
    BattleKeys();

    // The keys of settings.ini's `key.ACTION=NAME` lines (`up`, `down`,
    // `fire`, `speed`, `force`, `repair`, `pause`; ScancodeOfName's names),
    // the other actions keeping theirs. An action or a name it does not know,
    // a key the exit question or the menu takes, or two actions on one key
    // keep every default, and `problem` says why in Russian.
    static BattleKeys Chosen(const std::map<std::string, std::string>& settings,
                             std::string& problem);

    // The battle window's virtual key for a physical key pressed in it: the
    // chosen key of an action gives that action's key, the default key of an
    // action moved elsewhere gives none (0), any other key its own.
    int16_t VirtualKey(int scancode) const;
    // The physical key that now does what `defaultKey` did: a pad's button
    // presses that one.
    int KeyFor(int defaultKey) const;

    bool operator==(const BattleKeys&) const = default;

private:
    std::array<int, 7> keys_;  // by action, in the order above
};

}  // namespace krepogor
