#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "desktop/LastFrame.h"
#include "desktop/RecordTarget.h"
#include "desktop/sdl/PngWriter.h"
#include "frontend/FaultyFileCalls.h"
#include "replay/RunRecorder.h"

namespace krepogor {
namespace {

namespace fs = std::filesystem;

constexpr const char* kRecording = "seed 7\ntrackends recorded\nstart\nquit\n";

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void Plant(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string Frame() {
    const uint32_t px[] = {0x00102030, 0x00FFFFFF};
    std::string png, error;
    EXPECT_TRUE(PngBytes(px, 2, 1, png, error)) << error;
    return png;
}

class RecordTargetTest : public ::testing::Test {
protected:
    void SetUp() override {
        // One folder a test: CTest runs the tests of this fixture side by side.
        dir = fs::temp_directory_path() /
              (std::string("krepogor-record-target-") +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

// --record takes a new file or a recording of the game's own, with nothing
// of the player's where its last frame goes; anything else is left as it is.
TEST_F(RecordTargetTest, OnlyANewFileOrARecordingOfTheGamesOwnIsTaken) {
    struct Case {
        const char* name;
        std::string bytes;       // what stands there: "" nothing, "/" a folder, "->" a link
        std::string frameBytes;  // what stands at NAME.png, likewise
        int status;
        const char* says;
    };
    const std::string ours = kRecording, frame = Frame();
    const std::string picture = Bytes("resources/icon.png");
    const Case cases[] = {
        {"new.krs", "", "", 0, ""},
        {"ours.krs", ours, frame, 0, ""},
        {"thesis.txt", "my thesis\n", "", 2, "это не запись этой игры"},
        {"folder.krs", "/", "", 2, "это не обычный файл"},
        {"framed.krs", ours, picture, 2, "framed.krs.png» — это не последний кадр записи"},
        {"framed-folder.krs", "", "/", 2, "framed-folder.krs.png» — это не обычный файл"},
        {"missing/new.krs", "", "", 1, "new.krs»: нет такого файла или папки"},
#ifndef _WIN32
        {"link.krs", "->", "", 2, "это символическая ссылка"},
        {"framed-link.krs", ours, "->", 2, "framed-link.krs.png» — это символическая ссылка"},
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path path = dir / c.name, png = dir / (std::string(c.name) + ".png");
        for (const auto& [at, bytes] : {std::pair{path, c.bytes}, std::pair{png, c.frameBytes}}) {
            if (bytes == "/") fs::create_directory(at);
            if (bytes == "->") {
                Plant(dir / "target", "the player's own\n");
                fs::create_symlink("target", at);
            }
            if (bytes != "" && bytes != "/" && bytes != "->") Plant(at, bytes);
        }
        OwnFile file;
        std::string error;
        const int status = OpenRecordTarget(SystemFileCalls(), path.string(), file, error);
        EXPECT_EQ(status, c.status) << error;
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
        EXPECT_EQ(file.IsOpen(), status == 0);
        // Nothing is changed by opening: what stood there stays until a line is written.
        if (c.bytes != "" && c.bytes != "/" && c.bytes != "->") {
            EXPECT_EQ(Bytes(path), c.bytes);
        }
        if (c.bytes == "->") {
            EXPECT_EQ(Bytes(dir / "target"), "the player's own\n");
        }
        // The game's own last frame beside the recording it replaces goes now;
        // the player's stays.
        EXPECT_EQ(fs::exists(fs::symlink_status(png)), c.frameBytes != "" && status != 0);
        if (status == 0) {
            EXPECT_TRUE(file.Append("seed 8\n"));
            EXPECT_EQ(Bytes(path), "seed 8\n");
        }
    }
    // A new file that nothing was written to goes when it closes.
    OwnFile file;
    std::string error;
    ASSERT_EQ(OpenRecordTarget(SystemFileCalls(), (dir / "unused.krs").string(), file, error), 0);
    file.Close();
    EXPECT_FALSE(fs::exists(dir / "unused.krs"));
}

#ifndef _WIN32
TEST_F(RecordTargetTest, ADeviceIsNoFileToRecordInto) {
    OwnFile file;
    std::string error;
    EXPECT_EQ(OpenRecordTarget(SystemFileCalls(), "/dev/full", file, error), 2);
    EXPECT_EQ(error,
              "«/dev/full» — это не обычный файл, а игра пишет только в файлы; назовите "
              "другой файл");
}
#endif

// A disk that fills up mid-line: the file keeps the whole lines before it,
// says why in Russian, and takes nothing more.
TEST_F(RecordTargetTest, AWriteThatFailsLeavesTheWholeLinesBeforeIt) {
    FaultyFileCalls full;
    OwnFile file(full);
    std::string error;
    ASSERT_EQ(file.Open((dir / "run.krs").string(), IsRecordingHead, error), Standing::Nothing);
    full.writeBudget = 20;
    EXPECT_TRUE(file.Append("seed 7\n"));
    EXPECT_TRUE(file.Append("start\n"));
    EXPECT_FALSE(file.Append("step 20\n"));  // 7 bytes of it fit
    EXPECT_EQ(file.Error(), "на диске нет места");
    full.writeBudget = -1;
    EXPECT_FALSE(file.Append("quit\n"));
    EXPECT_EQ(Bytes(dir / "run.krs"), "seed 7\nstart\n");
}

// The last frame is written where nothing stands or over the game's own,
// and nowhere else; its mark shows it is the game's.
TEST_F(RecordTargetTest, TheLastFrameReplacesOnlyTheGamesOwn) {
    const std::string frame = Frame();
    EXPECT_TRUE(IsLastFrameHead(frame));
    const std::string path = (dir / "run.krs.png").string();
    EXPECT_EQ(SaveLastFrame(SystemFileCalls(), path, frame), "");
    EXPECT_EQ(SaveLastFrame(SystemFileCalls(), path, frame + "again"), "");
    EXPECT_EQ(Bytes(path), frame + "again");
    const std::string picture = Bytes("resources/icon.png");
    EXPECT_FALSE(IsLastFrameHead(picture));
    Plant(path, picture);
    EXPECT_EQ(SaveLastFrame(SystemFileCalls(), path, frame),
              "последний кадр не сохранён в «" + path +
                  "»: это не последний кадр записи этой игры, игра его не заменит");
    EXPECT_EQ(Bytes(path), picture);
}

}  // namespace
}  // namespace krepogor
