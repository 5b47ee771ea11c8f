#include "support/BattleFixture.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>

#include "battle/NewGame.h"
#include "frontend/MainMenu.h"

namespace krepogor::test {

ScratchAppDir::ScratchAppDir() {
    static std::atomic<int> counter{0};
    // Named for the test as well: every program of the browser build has the
    // same process id, and tests run side by side.
    std::string test;
    if (const auto* info = ::testing::UnitTest::GetInstance()->current_test_info())
        test = std::string(info->test_suite_name()) + "." + info->name() + "-";
    std::replace(test.begin(), test.end(), '/', '_');
    path_ = (std::filesystem::temp_directory_path() /
             ("krepogor-test-" + std::to_string(getpid()) + "-" + test + std::to_string(counter++)))
                .string();
    std::filesystem::create_directories(path_);
    for (int i = 1; i <= 7; ++i)
        Write("gamedata/sounds/bum" + std::to_string(i) + ".mp3", std::string(16000, 'x'));
    for (const char* f : {"Sound1", "Sound2", "Sound3", "Sound6"})
        Write(std::string("gamedata/sounds/") + f + ".mp3", std::string(48000, 'x'));
    for (int i = 1; i <= 5; ++i)
        Write("gamedata/music/" + std::to_string(i) + ".mp3", std::string(960000, 'x'));
    Write("gamedata/sounds/shot.wav", "RIFF");
    Write("gamedata/sounds/victory.wav", "RIFF");
}

ScratchAppDir::~ScratchAppDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void ScratchAppDir::Write(const std::string& rel, const std::string& bytes) const {
    const auto p = std::filesystem::path(path_) / rel;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
}

BattleFixture::BattleFixture() : rig(dir.path()), g(rig.game), s(rig.game.st) {
    frm_menu_Load(g);
    StartBattle();
}

void BattleFixture::StartBattle() {
    lbl_new_game_Click(g);
    rig.Wait(5000);
    Commands();
}

void BattleFixture::PlaceEnemy(int k, float x, float y) {
    s.MobLive(k) = -1;
    s.MobX(k) = x;
    s.MobY(k) = y;
    s.MobSpeed(k) = 0;
    if (k == 1) s.MobHP1 = 3;
    if (k == 2) s.MobHP2 = 2;
    if (k == 3) s.MobHP3 = 5;
    if (k == 6) s.MobHP6 = 2;
}

void BattleFixture::PlaceBall(int i, float cx, float cy) {
    s.KernelFly(i) = -1;
    s.KernelX(i) = cx - 12;
    s.KernelY(i) = cy - 12;
    s.KernelT(i) = 0;
    s.KernelAngle(i) = 0;
    s.KernelRad(i) = 0;
}

std::vector<std::vector<std::string>> BattleFixture::Commands() {
    seen = rig.log.Take();
    return seen;
}

bool BattleFixture::Sent(const std::string& device, const std::string& command) {
    return std::any_of(seen.begin(), seen.end(), [&](const auto& e) {
        return e.size() >= 2 && e[0] == device && e[1] == command;
    });
}

}  // namespace krepogor::test
