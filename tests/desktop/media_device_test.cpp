#include <SDL.h>

#include "desktop/AudioFixture.h"
#include "headless/fake/Mp3Duration.h"
#include "platform/MediaSequences.h"

namespace krepogor {
namespace {

using MediaDeviceTest = AudioFixture;

TEST_F(MediaDeviceTest, OutputRunsOnTheSilentDriver) {
    ASSERT_TRUE(audio->IsOpen());
    EXPECT_EQ(audio->Driver(), "dummy");
    EXPECT_EQ(audio->FrameBytes(), 4);
}

TEST_F(MediaDeviceTest, OpenReadsTheLengthAndStartsAtZero) {
    auto dev = Opened(bum);
    EXPECT_NEAR(dev->Length(), 1100, 100);
    EXPECT_EQ(dev->Position(), 0);
    auto longer = Opened(sound);
    EXPECT_GT(longer->Length(), dev->Length());
    auto wav = Opened(shot);
    EXPECT_NEAR(wav->Length(), 850, 50);
}

TEST_F(MediaDeviceTest, EveryShippedFileIsAsLongAsTheHeadlessDevicesSay) {
    int files = 0;
    for (const char* dir : {"gamedata/music", "gamedata/sounds"}) {
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            if (entry.path().extension() != ".mp3") continue;
            const std::string path = entry.path().string();
            const auto read = ReadMp3Duration(path);
            ASSERT_TRUE(read) << path;
            EXPECT_EQ(Opened(path)->Length(), read->Milliseconds()) << path;
            ++files;
        }
    }
    EXPECT_EQ(files, 16);
    EXPECT_EQ(ReadMp3Duration(shot), std::nullopt);
    EXPECT_EQ(ReadMp3Duration("gamedata/sounds/no-such-file.mp3"), std::nullopt);
}

TEST_F(MediaDeviceTest, PlayAdvancesStopFreezesAndPlayResumes) {
    auto dev = Opened(bum);
    dev->Command("Play");
    Sleep(120);
    const int64_t stopped = [&] {
        dev->Command("Stop");
        return dev->Position();
    }();
    EXPECT_GT(stopped, 40);
    EXPECT_LT(stopped, dev->Length());
    Sleep(60);
    EXPECT_EQ(dev->Position(), stopped);
    dev->Command("Play");
    EXPECT_TRUE(WaitFor(300, [&] { return dev->Position() > stopped + 20; }));
    dev->Command("Stop");
}

TEST_F(MediaDeviceTest, PlayWhilePlayingKeepsPlaying) {
    auto dev = Opened(bum);
    dev->Command("Play");
    Sleep(100);
    const int64_t before = dev->Position();
    dev->Command("Play");
    dev->Command("PLAY");
    EXPECT_GE(dev->Position(), before);
    EXPECT_TRUE(WaitFor(300, [&] { return dev->Position() > before + 20; }));
}

TEST_F(MediaDeviceTest, PrevGoesBackToTheStartAndStops) {
    auto dev = Opened(bum);
    dev->Command("play");
    Sleep(80);
    dev->Command("prev");
    EXPECT_EQ(dev->Position(), 0);
    Sleep(60);
    EXPECT_EQ(dev->Position(), 0);
    dev->Command("pLaY");
    EXPECT_TRUE(WaitFor(300, [&] { return dev->Position() > 0; }));
    dev->Command("stop");
    const int64_t stopped = dev->Position();
    Sleep(40);
    EXPECT_EQ(dev->Position(), stopped);
    dev->Command("Rewind");  // not a command word: ignored
    EXPECT_EQ(dev->Position(), stopped);
}

TEST_F(MediaDeviceTest, EndOfTrackIsReportedOnlyByDeliverFinished) {
    auto dev = Opened(ShortWav(60));
    int statuses = 0;
    dev->OnStatus = [&] {
        ++statuses;
        EXPECT_EQ(dev->Position(), dev->Length());
    };
    dev->Command("Play");
    Sleep(200);
    // The mixer has run out of the track: the position says so at once, but
    // the main thread hears of it only from the main loop.
    EXPECT_EQ(statuses, 0);
    EXPECT_EQ(dev->Position(), dev->Length());
    media.DeliverFinished();
    EXPECT_EQ(statuses, 1);
    EXPECT_EQ(dev->Position(), dev->Length());
    media.DeliverFinished();
    EXPECT_EQ(statuses, 1);
    // "Play" at the end plays nothing and ends again.
    dev->Command("Play");
    EXPECT_EQ(dev->Position(), dev->Length());
    media.DeliverFinished();
    EXPECT_EQ(statuses, 2);
    media.DeliverFinished();
    EXPECT_EQ(statuses, 2);
}

TEST_F(MediaDeviceTest, TheEndOfATrackWakesAWaitingMainLoop) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    auto dev = Opened(ShortWav(40));
    dev->Command("Play");
    SDL_Event e{};
    ASSERT_EQ(SDL_WaitEventTimeout(&e, 2000), 1);
    EXPECT_EQ(e.type, static_cast<Uint32>(SDL_USEREVENT));
    EXPECT_EQ(dev->Position(), dev->Length());
    SDL_QuitSubSystem(SDL_INIT_EVENTS);
}

TEST_F(MediaDeviceTest, HaltingIsNeverAnEndOfTrack) {
    auto dev = Opened(ShortWav(200));
    int statuses = 0;
    dev->OnStatus = [&] { ++statuses; };
    for (const char* halt : {"Stop", "Prev", "Close"}) {
        if (std::string(halt) == "Close") {
            dev->Command("Prev");
        }
        dev->Command("Play");
        Sleep(30);
        dev->Command(halt);
        media.DeliverFinished();
    }
    Sleep(250);
    media.DeliverFinished();
    EXPECT_EQ(statuses, 0);
    EXPECT_EQ(dev->Length(), 0);
    EXPECT_EQ(dev->Position(), 0);
}

TEST_F(MediaDeviceTest, AnEndBeforeACommandIsSettledFirstAndNotReportedAfterIt) {
    auto dev = Opened(ShortWav(40));
    int statuses = 0;
    dev->OnStatus = [&] { ++statuses; };
    // Music switched off just after the track ran out: stopped at its end, no
    // track change after the "Stop".
    dev->Command("Play");
    Sleep(150);
    dev->Command("Stop");
    EXPECT_EQ(dev->Position(), dev->Length());
    media.DeliverFinished();
    EXPECT_EQ(statuses, 0);
    // Switched on again: "Play" at the end reports the end, and the track changes.
    dev->Command("Play");
    media.DeliverFinished();
    EXPECT_EQ(statuses, 1);
    // Ran out before "Prev" and "Play": from the top, with no stale end.
    dev->Command("Prev");
    dev->Command("Play");
    Sleep(150);
    dev->Command("Prev");
    EXPECT_EQ(dev->Position(), 0);
    dev->Command("Play");
    EXPECT_LT(dev->Position(), dev->Length());
    media.DeliverFinished();
    EXPECT_EQ(statuses, 1);
    ASSERT_TRUE(WaitFor(300, [&] { return statuses == 2; }));
    // Ran out before "Close": nothing is reported for the closed file.
    dev->Command("Prev");
    dev->Command("Play");
    Sleep(150);
    dev->Command("Close");
    media.DeliverFinished();
    EXPECT_EQ(statuses, 2);
}

TEST_F(MediaDeviceTest, MissingFileLeavesASilentDevice) {
    auto dev = Opened("gamedata/sounds/no-such-file.mp3");
    int statuses = 0;
    dev->OnStatus = [&] { ++statuses; };
    EXPECT_EQ(dev->Length(), 0);
    for (const char* word : {"Play", "play", "Stop", "Prev", "Play"}) dev->Command(word);
    Sleep(40);
    media.DeliverFinished();
    EXPECT_EQ(dev->Position(), 0);
    EXPECT_EQ(statuses, 0);
    // Not an audio file at all.
    auto text = Opened("CMakeLists.txt");
    text->Command("Play");
    EXPECT_EQ(text->Length(), 0);
    EXPECT_EQ(text->Position(), 0);
}

TEST_F(MediaDeviceTest, ATrackWhoseFileComesLatePlaysThenUnlessACommandCameFirst) {
    // The page fetches its sounds and music after the main menu shows: a
    // track told to play before its file is there starts from its beginning
    // once it is, and one opened before plays at its next "Play".
    const auto temp = std::filesystem::temp_directory_path();
    const std::string late =
        (temp / ("krepogor-late-" + std::to_string(getpid()) + ".mp3")).string();
    const std::string stopped = late + ".stopped.mp3";
    auto dev = Opened(late);
    auto other = Opened(stopped);
    dev->Command("Play");
    other->Command("Play");
    other->Command("Stop");  // the game moved on before the file came
    media.PlayArrived();
    EXPECT_EQ(dev->Length(), 0);
    for (const std::string& path : {late, stopped}) {
        std::filesystem::copy_file(bum, path);
        made.files.push_back(path);
    }
    media.PlayArrived();
    EXPECT_NEAR(dev->Length(), 1100, 100);
    EXPECT_TRUE(WaitFor(300, [&] { return dev->Position() > 0; }));
    Sleep(40);
    media.PlayArrived();
    EXPECT_EQ(other->Length(), 0);
    EXPECT_EQ(other->Position(), 0);
    // Once started it is a track as any other: it is not started again.
    dev->Command("Stop");
    const int64_t at = dev->Position();
    media.PlayArrived();
    Sleep(40);
    EXPECT_EQ(dev->Position(), at);
    // Opened before its file came and stopped meanwhile: the next "Play" opens it.
    other->Command("Play");
    EXPECT_NEAR(other->Length(), 1100, 100);
    EXPECT_TRUE(WaitFor(300, [&] { return other->Position() > 0; }));
}

TEST_F(MediaDeviceTest, CommandsToADeviceNeverOpenedAreHarmless) {
    auto dev = media.Create("MMControlSound(0)");
    for (const char* word : {"Stop", "Prev", "Close", "Play", "Close"}) dev->Command(word);
    EXPECT_EQ(dev->Length(), 0);
    EXPECT_EQ(dev->Position(), 0);
}

TEST_F(MediaDeviceTest, CloseThenOpenAnotherFile) {
    auto dev = Opened(bum);
    dev->Command("Play");
    Sleep(50);
    dev->Command("Stop");
    dev->Command("Close");
    EXPECT_EQ(dev->Length(), 0);
    EXPECT_EQ(dev->Position(), 0);
    dev->FileName(sound);
    dev->Command("Open");
    EXPECT_NEAR(dev->Length(), 5000, 100);
    EXPECT_EQ(dev->Position(), 0);
    dev->Command("Play");
    EXPECT_TRUE(WaitFor(300, [&] { return dev->Position() > 0; }));
    // Opening again while it plays binds the file afresh.
    dev->Command("Open");
    EXPECT_EQ(dev->Position(), 0);
    Sleep(40);
    EXPECT_EQ(dev->Position(), 0);
}

TEST_F(MediaDeviceTest, StartOrRestartOnARealDevice) {
    auto dev = Opened(ShortWav(80));
    StartOrRestart(*dev, true);
    EXPECT_TRUE(WaitFor(
        200, [&] { return dev->Position() > 0; }, false));
    const int64_t playing = dev->Position();
    StartOrRestart(*dev, true);  // still playing: left alone
    EXPECT_GE(dev->Position(), playing);
    ASSERT_TRUE(WaitFor(300, [&] { return dev->Position() == dev->Length(); }));
    StartOrRestart(*dev, false);  // sound off: only rewound
    EXPECT_EQ(dev->Position(), 0);
    Sleep(30);
    EXPECT_EQ(dev->Position(), 0);
    ASSERT_TRUE(WaitFor(50, [&] { return true; }));
    StartOrRestart(*dev, true);
    ASSERT_TRUE(WaitFor(300, [&] { return dev->Position() == dev->Length(); }));
    StartOrRestart(*dev, true);  // at its end: from the top again
    EXPECT_LT(dev->Position(), dev->Length());
    EXPECT_TRUE(WaitFor(300, [&] { return dev->Position() == dev->Length(); }));
}

TEST_F(MediaDeviceTest, AHitJustAfterTheEndRestartsTheExplosion) {
    auto dev = Opened(ShortWav(40));
    int statuses = 0;
    dev->OnStatus = [&] { ++statuses; };
    dev->Command("Play");
    Sleep(150);
    // Ran out on the audio thread; the main loop has not passed since.
    StartOrRestart(*dev, true);
    EXPECT_LT(dev->Position(), dev->Length());
    media.DeliverFinished();
    EXPECT_EQ(statuses, 0);
    ASSERT_TRUE(WaitFor(300, [&] { return statuses == 1; }));
}

TEST_F(MediaDeviceTest, LoopTrackFromTheStatusPlaysTheTrackAgain) {
    auto dev = Opened(ShortWav(50));
    int statuses = 0;
    dev->OnStatus = [&] {
        ++statuses;
        LoopTrack(*dev, statuses < 3);
    };
    dev->Command("Play");
    EXPECT_TRUE(WaitFor(600, [&] { return statuses == 3; }));
    Sleep(100);
    media.DeliverFinished();
    EXPECT_EQ(statuses, 3);
    EXPECT_EQ(dev->Position(), dev->Length());
}

TEST_F(MediaDeviceTest, StatusHandlerMayReplaceAnotherEndedDevice) {
    const std::string file = ShortWav(30);
    auto first = Opened(file);
    auto second = Opened(file);
    int statuses = 0;
    auto count = [&] { ++statuses; };
    first->OnStatus = [&] {
        ++statuses;
        // The new device may well take the old one's address; it has not ended.
        second.reset();
        second = Opened(file);
        second->OnStatus = count;
    };
    second->OnStatus = count;
    first->Command("Play");
    second->Command("Play");
    Sleep(120);
    media.DeliverFinished();
    EXPECT_EQ(statuses, 1);
    EXPECT_EQ(second->Position(), 0);
}

TEST_F(MediaDeviceTest, DevicesBeyondTheChannelsAreSilent) {
    std::vector<std::unique_ptr<IMediaDevice>> devs;
    for (int i = 0; i < 40; ++i) devs.push_back(Opened(bum));
    for (auto& dev : devs) dev->Command("Play");
    ASSERT_TRUE(WaitFor(300, [&] { return devs.front()->Position() > 0; }));
    EXPECT_EQ(devs.back()->Position(), 0);
    // Freed channels go to new devices.
    devs.erase(devs.begin(), devs.begin() + 5);
    auto late = Opened(bum);
    late->Command("Play");
    EXPECT_TRUE(WaitFor(300, [&] { return late->Position() > 0; }));
}

TEST(MediaDeviceNoSoundTest, EverythingIsSilentAndAtZero) {
    SdlAudioOutput audio{SdlAudioOutput::NoSound{}};
    SdlMediaSystem media(audio);
    auto dev = media.Create("about");
    dev->FileName("gamedata/sounds/bum1.mp3");
    for (const char* word : {"Open", "Play", "Stop", "Prev", "Play", "Close", "Open", "Play"})
        dev->Command(word);
    media.DeliverFinished();
    EXPECT_EQ(dev->Length(), 0);
    EXPECT_EQ(dev->Position(), 0);
    EXPECT_FALSE(audio.IsOpen());
    EXPECT_EQ(audio.AcquireChannel(), -1);
}

}  // namespace
}  // namespace krepogor
