#pragma once

#include "state/Slots.h"
#include "state/SpriteBuffer.h"

namespace krepogor {

// The battle window's sprite buffers, image and mask side by side. The index
// of a cannonball buffer is its slot, that of an enemy buffer the enemy kind.
struct SpriteBuffers {
    SpriteBuffer PicGunPic, PicGunMask;
    Slots<SpriteBuffer, 1, 3> PicKernelPic, PicKernelMask;
    Slots<SpriteBuffer, 1, 6> PicMobPic, PicMobMask;
    Slots<SpriteBuffer, 0, 5> PicShotPic, PicShotMask;
    Slots<SpriteBuffer, 0, 5> PicBumPic, PicBumMask;
    Slots<SpriteBuffer, 0, 2> PicZU, PicZUMask;
    // Digit cells 0, 1, 2, 3, 4, 6 and 7 of the status display; 5 is not used.
    Slots<SpriteBuffer, 0, 7> PicLife, PicLifeM;

    static constexpr int DigitCells[] = {0, 1, 2, 3, 4, 6, 7};
};

}  // namespace krepogor
