#pragma once

#include "state/BattleView.h"

namespace krepogor {

// A battle view that draws nothing and counts what it was asked to do.
class NullBattleView : public IBattleView {
public:
    void Clear() override { ++clears; }
    void DrawGun() override { ++gunDraws; }
    void Refresh() override { ++refreshes; }
    void RedrawScene() override { ++scenes; }

    int clears = 0, gunDraws = 0, refreshes = 0, scenes = 0;
};

}  // namespace krepogor
