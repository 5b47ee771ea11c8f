#include "battle/Flight.h"

#include <cmath>

#include "battle/GunFrame.h"

namespace krepogor {

LaunchPoint LaunchPointFor(int angle) {
    static constexpr LaunchPoint points[7] = {{115, 430}, {112, 415}, {105, 405}, {100, 390},
                                              {87, 380},  {75, 372},  {63, 370}};
    return points[GunFrame(angle)];
}

void FlightStep(BattleState& s, int i) {
    s.KernelT(i) = static_cast<float>(s.KernelT(i) + s.KernelDt);
    const float t = s.KernelT(i);
    const double a = s.KernelRad(i);
    const double vt = s.KernelSpeed * t;  // muzzle speed times time, as a float product
    const LaunchPoint p = LaunchPointFor(s.KernelAngle(i));
    s.KernelX(i) = static_cast<float>(vt * std::cos(a) + p.x0);
    s.KernelY(i) = static_cast<float>(p.y0 - vt * std::sin(a) + s.Grav * t * t / 2);
}

}  // namespace krepogor
