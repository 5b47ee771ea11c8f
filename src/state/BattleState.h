#pragma once

#include <cstdint>
#include <string>

#include "state/Slots.h"

namespace krepogor {

// One champions' book row as the file stores it.
struct BookRecord {
    char Name[20];
    char Score[6];
};

// The shared variables of the game under the names every handler uses: the
// program-wide ones first, then those of the battle form. Flags held as int16
// use -1 for true and 0 for false.
struct BattleState {
    // Settings shared with the front end.
    bool MusicOn = false;
    int16_t SoundOn = 0;

    // Player resources and counters of the battle.
    int16_t Life = 0;
    int32_t ModPoints = 0;
    int32_t DtLevel = 0;
    double KernelDt = 0;
    int16_t ForceLevel = 0;
    float KernelSpeed = 0;
    int32_t Kills = 0;
    int16_t Level = 0;
    int64_t ShotCount = 0;  // wide enough that no battle can overflow it
    int64_t FinalScore = 0;

    // Cannonball slots 1..3.
    Slots<int16_t, 1, 3> KernelFly;
    Slots<float, 1, 3> KernelX, KernelY, KernelT;
    Slots<int16_t, 1, 3> KernelAngle;
    Slots<float, 1, 3> KernelRad;

    // Enemy slots 1..6: the index is the enemy kind.
    Slots<int16_t, 1, 6> MobLive;
    Slots<float, 1, 6> MobX, MobY, MobSpeed;
    int32_t MobHP1 = 0, MobHP2 = 0, MobHP3 = 0;
    int16_t MobHP6 = 0;

    // Effect slots 0..5: explosions and muzzle flashes.
    Slots<bool, 0, 5> BumLive;
    Slots<int32_t, 0, 5> BumFaza;
    Slots<float, 0, 5> BumX, BumY;
    Slots<int16_t, 0, 5> VustrelLive, VustrelFaza, VustrelX;
    Slots<float, 0, 5> VustrelY;

    // Animation phases of enemy kinds 4 and 5, never reset.
    int32_t FazaMob4 = 0;
    int16_t FazaMob5 = 0;

    // The champions' book in memory, rows 1..5, best first.
    Slots<std::string, 1, 5> RecName;
    Slots<int16_t, 1, 5> RecScore;
    int16_t RecIdx = 0;

    // Scratch of the number drawing.
    double Zifra1 = 0, Zifra2 = 0, Zifra3 = 0;
    int16_t ZifraIdx = 0;

    // Timer states saved while the battle is held: 1 enabled, 0 not.
    int32_t WasTmrMob5 = 0, WasTmrFazaMob4 = 0, WasTmr_fc = 0, WasTmr_kernel = 0, WasTmr_mob = 0;
    int16_t WasTmrBum = 0;

    std::string CreditsFrom;

    // Variables of the battle form.
    double Pi = 0;
    double Grav = 0;
    int16_t GunAngle = 0;
    int32_t MobRange = 0;
    float MobSpeedBase = 0;
    int32_t MobRoll = 0;
    float Count5 = 0;
    std::string PlayerName;
    BookRecord RecRow{};
};

}  // namespace krepogor
