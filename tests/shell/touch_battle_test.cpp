// The real desktop program played with fingers alone, through the shell's own
// event path: SDL's finger events, each first finger with the mouse click SDL
// makes of it, from the main menu to a battle aimed, fired, paused and left.
// The recording of the run replays in the driver. On SDL's dummy drivers;
// the end-to-end test runs it again in a window and filling screens of its X
// server (KREPOGOR_TOUCH_FULLSCREEN), where its screenshots note where the
// controls stand.
#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>

#include "desktop/BoxLayout.h"
#include "desktop/MenuBar.h"
#include "desktop/TouchLayout.h"
#include "desktop/WindowLooks.h"
#include "desktop/sdl/SdlDisplayDensity.h"
#include "desktop/sdl/SdlFonts.h"
#include "desktop/sdl/SdlScreen.h"
#include "frontend/OwnFile.h"
#include "script/Driver.h"
#include "script/RunScript.h"
#include "shell/ShellSteps.h"

namespace krepogor {
namespace {

namespace fs = std::filesystem;

constexpr int kBattleW = 926, kBattleH = 658;  // the battle window, its menu bar included

// A screen of 6 pixels a millimetre: the controls are 60 pixels across.
struct FixedDensity : ScreenDensity {
    std::optional<double> PixelsPerMm() const override { return 6; }
};

Letterbox BoxOf(int clientW, int clientH) {
    int w = 0, h = 0;
    SDL_GetWindowSize(GameWindow(), &w, &h);
    return Letterbox(clientW, clientH, w, h);
}

Point Middle(const Rect& r) {
    return {r.x + r.w / 2, r.y + r.h / 2};
}

// Whether the window shows something light at a point: a control's sign.
bool Light(Point at) {
    SDL_Surface* s = SDL_GetWindowSurface(GameWindow());
    if (!s || at.x < 0 || at.y < 0 || at.x >= s->w || at.y >= s->h) return false;
    Uint32 pixel = 0;
    SDL_LockSurface(s);
    const auto* row = static_cast<const Uint8*>(s->pixels) + at.y * s->pitch;
    SDL_memcpy(&pixel, row + at.x * s->format->BytesPerPixel, s->format->BytesPerPixel);
    SDL_UnlockSurface(s);
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(pixel, s->format, &r, &g, &b);
    return r > 200 && g > 200 && b > 190;
}

// What a finger taps besides the touch controls, in the battle window's
// pixels (its menu bar included), laid out as the game lays them out: the
// buttons of the pause box and of the exit question, the menu bar's "О
// программе" and its "Правила игры".
struct Targets {
    Rect ok, yes, no, about, rules;
};

Targets MeasureTargets() {
    SdlFonts fonts;
    const TextMetrics m{
        [&](const std::string& s) { return fonts.Width(SdlScreen::UiFont(), s); },
        [&](const std::string& s) { return fonts.Width(SdlScreen::UiFont(true), s); },
        fonts.LineHeight(SdlScreen::UiFont())};
    const BoxLayout pause = LayOutBox("Пауза!", "Пауза... Для продолжения нажмите на кнопку...", 1,
                                      false, kBattleW, kBattleH, m);
    const BoxLayout exit = LayOutBox("Крепогор", "Выйти из игры?", 2, false, kBattleW, kBattleH, m);
    const MenuBar menu(kBattleW, MenuBarHeight, m.textWidth);
    return {pause.buttons[0], exit.buttons[0], exit.buttons[1], menu.TitleRect(1),
            menu.ItemRect(1, 0)};
}

// A screenshot for the end-to-end test, noting the controls' side, whether
// they stand in the bars or on the field, and each one's place.
void Screenshot(const std::string& name, const TouchLayout& l) {
    std::ostringstream notes;
    notes << l.side << ' ' << (l.inBars ? "bars" : "field") << '\n';
    for (const auto& b : l.buttons)
        notes << b.at.x << ' ' << b.at.y << ' ' << b.at.w << ' ' << b.at.h << '\n';
    WindowShot("touch-" + name, notes.str());
}

TEST(Touch, PlaysABattleWithFingersAloneAndItsRecordingReplays) {
    const bool onScreen = std::getenv("KREPOGOR_SHOTS") != nullptr;
    const bool fill = std::getenv("KREPOGOR_TOUCH_FULLSCREEN") != nullptr;
    Targets targets;
    FixedDensity fixed;
    std::optional<SdlDisplayDensity> display;
    // On the X server the display's own density, as a player's game takes it.
    auto layout = [&] {
        if (onScreen && !display) display.emplace(GameWindow());
        const ScreenDensity& density = onScreen ? *display : static_cast<ScreenDensity&>(fixed);
        return LayOutTouch(BoxOf(kBattleW, kBattleH), TouchSide(density.PixelsPerMm(), 10));
    };
    auto control = [&](TouchControl c) { return Middle(*layout().Of(c)); };
    auto tap = [&](const Rect& r) { return Middle(BoxOf(kBattleW, kBattleH).ToOutput(r)); };
    // The battle window has come, at its size.
    auto battle = [&](const Game& g) {
        int w = 0, h = 0;
        SDL_GetWindowSize(GameWindow(), &w, &h);
        return g.windows.IsVisible("frm_vustrel") && (fill || (w == kBattleW && h == kBattleH));
    };

    Fingers fingers;
    int16_t heldAngle = -1, downAngle = -1, bothAngle = -1;
    int64_t shots = -1, shotsAfterOne = -1, shotsAfterTwo = -1, shotsAfterShowing = -1;
    bool shown = false, overBattle = false, hidden = false, paused = false, resumed = false,
         asked = false, cancelled = false, rules = false;
    Steps steps;
    steps
        .Add([](const Game& g) { return g.windows.IsVisible("frm_menu"); },
             [&](const Game&) {
                 // "Новая Игра": the finger's click starts the battle, the finger
                 // itself shows the controls.
                 const Letterbox menu = BoxOf(659, 398);
                 fingers.Tap({menu.OutX(300), menu.OutY(150)});
             })
        // The battle window has come and shows the buttons (a system may
        // show a window's first frame a pass after the window itself).
        .Add(
            [&](const Game& g) {
                return battle(g) && (shown = Light(control(TouchControl::Fire)));
            },
            [&](const Game&) {
                // Fonts of the test's own beside the game's.
                targets = MeasureTargets();
                Screenshot("shown", layout());
                fingers.Down(1, control(TouchControl::Up));  // held: all the way up
            })
        .Then(Nothing)
        .Then(Nothing)
        .Then(Nothing)
        .Then(Nothing)
        .Then([&](const Game& g) {
            heldAngle = g.st.GunAngle;
            Screenshot("held", layout());
            fingers.Up(1, control(TouchControl::Up));
            fingers.Tap(control(TouchControl::Down));
        })
        .Then([&](const Game& g) {
            downAngle = g.st.GunAngle;
            shots = g.st.ShotCount;
            fingers.Tap(control(TouchControl::Fire));  // once: its click fires nothing
        })
        .Then([&](const Game& g) {
            shotsAfterOne = g.st.ShotCount;
            // Two fingers: one lowers the barrel while the other fires.
            fingers.Down(1, control(TouchControl::Down));
            fingers.Down(2, control(TouchControl::Fire));
            fingers.Up(2, control(TouchControl::Fire));
        })
        .Then([&](const Game& g) {
            shotsAfterTwo = g.st.ShotCount;
            bothAngle = g.st.GunAngle;
            fingers.Up(1, control(TouchControl::Down));
            fingers.Tap(control(TouchControl::Pause));
        })
        .Add([&](const Game& g) { return paused = Held(g); },
             [&](const Game&) { fingers.Tap(tap(targets.ok)); })
        .Add([&](const Game& g) { return resumed = !Held(g); },
             [&](const Game&) { fingers.Tap(control(TouchControl::Exit)); })
        .Add([&](const Game& g) { return asked = Held(g); },
             [&](const Game&) { fingers.Tap(tap(targets.no)); })
        .Add(
            [&](const Game& g) {
                return cancelled = !Held(g) && g.windows.IsVisible("frm_vustrel");
            },
            [&](const Game&) { fingers.Tap(tap(targets.about)); })
        // The menu bar and the screens take taps as clicks.
        .Then([&](const Game&) { fingers.Tap(tap(targets.rules)); })
        .Add([&](const Game& g) { return rules = g.windows.IsVisible("FrmRules"); },
             [&](const Game&) {
                 int w = 0, h = 0;
                 SDL_GetWindowSize(GameWindow(), &w, &h);
                 fingers.Tap({w / 2, h / 2});
             })
        .Add(battle, Nothing)
        // The battle runs under them, an enemy on the field: they stay on
        // top of every frame.
        .Add(
            [](const Game& g) {
                bool enemy = false;
                for (int k = 1; k <= 6; ++k) enemy = enemy || g.st.MobLive(k) != 0;
                return g.frm_vustrel.Tmr_kernel.Enabled() && enemy;
            },
            Nothing)
        .Then([&](const Game&) {
            overBattle = Light(control(TouchControl::Fire)) && Light(control(TouchControl::Up));
            Screenshot("battle", layout());
            PushKey(SDL_SCANCODE_LSHIFT);  // a key hides them
        })
        .Then([&](const Game& g) {
            hidden = !Light(control(TouchControl::Fire));
            Screenshot("hidden", layout());
            // The next touch on the fire button only shows them again.
            shotsAfterShowing = g.st.ShotCount;
            fingers.Tap(control(TouchControl::Fire));
        })
        .Then([&](const Game& g) {
            shotsAfterShowing = g.st.ShotCount - shotsAfterShowing;
            fingers.Tap(control(TouchControl::Exit));
        })
        .Add(Held, [&](const Game&) { fingers.Tap(tap(targets.yes)); });

    const fs::path recorded =
        fs::temp_directory_path() / ("krepogor-touch-" + std::to_string(::getpid()) + ".krs");
    fs::remove(recorded);
    OwnFile recording;
    std::string error;
    ASSERT_TRUE(recording.Create(recorded.string(), error)) << error;
    ShellOptions options;
    options.appDir = KREPOGOR_SOURCE_DIR;
    options.resourcesDir = KREPOGOR_SOURCE_DIR "/resources";
    options.book.path = KREPOGOR_SOURCE_DIR "/gamedata/tables/table.dat";
    options.display.scale = 1.0;  // the menu's tap lands on "Новая Игра" at 1x
    if (fill) options.display.fullscreen = true;
    if (!onScreen) options.density = &fixed;
    options.recording = &recording;
    // The battle's countdown, and its first enemy, take their time.
    const RunEnd end = RunSteps(options, steps, 45000);
    EXPECT_FALSE(end.timedOut);
    EXPECT_EQ(end.status, 0);
    EXPECT_EQ(steps.Taken(), steps.Size());
    EXPECT_TRUE(shown);
    EXPECT_EQ(heldAngle, 90);  // held past the repeat's delay
    EXPECT_EQ(downAngle, 75);
    EXPECT_EQ(shotsAfterOne, shots + 1);
    EXPECT_EQ(shotsAfterTwo, shots + 2);
    EXPECT_LT(bothAngle, 75);
    EXPECT_TRUE(paused);
    EXPECT_TRUE(resumed);
    EXPECT_TRUE(asked);
    EXPECT_TRUE(cancelled);
    EXPECT_TRUE(rules);
    EXPECT_TRUE(overBattle);
    EXPECT_TRUE(hidden);
    EXPECT_EQ(shotsAfterShowing, 0);

    // The controls went down as keys: the driver plays the run again.
    recording.Close();
    std::string text;
    {
        std::ifstream file(recorded, std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(file), {});
    }
    fs::remove(recorded);
    EXPECT_NE(text.find("key vk:38"), std::string::npos);
    EXPECT_NE(text.find("key vk:32"), std::string::npos);
    EXPECT_NE(text.find("key vk:27"), std::string::npos);
    std::ostringstream out, err;
    Driver driver(KREPOGOR_SOURCE_DIR, KREPOGOR_SOURCE_DIR "/resources", out);
    std::istringstream in(text);
    EXPECT_EQ(RunScript(driver, in, out, err), 0) << err.str();
}

}  // namespace
}  // namespace krepogor
