#pragma once

#include <gtest/gtest.h>

#include "state/BattleState.h"

namespace krepogor {

// The rules every battle keeps between ticks, whatever the player does.
inline void ExpectInvariants(const BattleState& s) {
    ASSERT_EQ(s.GunAngle % 15, 0);
    ASSERT_GE(s.GunAngle, 0);
    ASSERT_LE(s.GunAngle, 90);
    ASSERT_LE(s.DtLevel, 10);
    ASSERT_LE(s.ForceLevel, 10);
    ASSERT_LE(s.Life, 100);
    ASSERT_GE(s.Level, 1);
    ASSERT_LE(s.Level, 10);
    ASSERT_GE(s.ModPoints, 0);
    for (int i = 1; i <= 3; ++i) {
        ASSERT_TRUE(s.KernelFly(i) == -1 || s.KernelFly(i) == 0) << "ball " << i;
    }
    for (int k = 1; k <= 6; ++k) {
        ASSERT_TRUE(s.MobLive(k) == -1 || s.MobLive(k) == 0) << "kind " << k;
        if (s.MobLive(k) == -1) {
            ASSERT_GE(s.Level, k) << "kind " << k;
        }
    }
    for (int n = 0; n <= 5; ++n) {
        ASSERT_GE(s.BumFaza(n), 1);
        ASSERT_LE(s.BumFaza(n), 10);
        if (!s.BumLive(n)) {
            ASSERT_EQ(s.BumFaza(n), 1);
        }
        ASSERT_TRUE(s.VustrelLive(n) == -1 || s.VustrelLive(n) == 0) << "flash " << n;
        if (s.VustrelLive(n) == 0) {
            ASSERT_EQ(s.VustrelFaza(n), 1);
        }
    }
}

}  // namespace krepogor
