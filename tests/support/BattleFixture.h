#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "headless/Rig.h"

namespace krepogor::test {

// A scratch application directory with the sound files the battle looks for.
class ScratchAppDir {
public:
    ScratchAppDir();
    ~ScratchAppDir();
    const std::string& path() const { return path_; }
    void Write(const std::string& rel, const std::string& bytes) const;

private:
    std::string path_;
};

// The program started on fakes, with a battle running after its countdown.
class BattleFixture : public ::testing::Test {
protected:
    BattleFixture();
    // Starts a battle and lets its countdown run out.
    void StartBattle();
    // Puts enemy k on the field at (x, y), not moving.
    void PlaceEnemy(int k, float x, float y);
    // Puts ball i in flight with its hit point at (cx, cy).
    void PlaceBall(int i, float cx, float cy);
    // The commands the devices were sent since the last call.
    std::vector<std::vector<std::string>> Commands();
    bool Sent(const std::string& device, const std::string& command);

    ScratchAppDir dir;
    Rig rig;
    Game& g;
    BattleState& s;
    std::vector<std::vector<std::string>> seen;
};

}  // namespace krepogor::test
