#pragma once

#include "state/BattleState.h"

namespace krepogor {

// Balls below this line have landed.
constexpr float GroundLine = 460;

// Where a ball leaves the muzzle at each gun angle (0 to 90 in steps of 15).
struct LaunchPoint {
    int x0, y0;
};
LaunchPoint LaunchPointFor(int angle);

// One tick of flight for ball i: its flight time grows by KernelDt and its
// position follows the ballistic arc from the launch point.
void FlightStep(BattleState& s, int i);

}  // namespace krepogor
