#pragma once

#include <string>

#include "platform/Dialogs.h"
#include "platform/MediaDevice.h"
#include "platform/Random.h"
#include "platform/Timer.h"
#include "platform/WavPlayer.h"

namespace krepogor {

// What the game needs of the machine it runs on.
struct Platform {
    TimerQueue& timers;
    IMediaSystem& media;
    IDialogs& dialogs;
    IWavPlayer& wav;
    IRandom& random;
    std::string appDir;  // the directory that holds "gamedata"
    // The champions' book file; empty: "gamedata/tables/table.dat" in appDir.
    std::string bookPath = {};
    // The book installed with the game, which a player's new book starts
    // from; empty when the book is the installed one.
    std::string bookSeed = {};
    // Why no book of the player's can be kept (no folder for it), in
    // Russian; the book is then only read, never written. Empty: it can.
    std::string bookNotKept = {};
};

}  // namespace krepogor
