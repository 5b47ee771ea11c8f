#include "desktop/sdl/SdlShell.h"

#include <SDL.h>

#include <algorithm>
#include <memory>
#include <new>

#include "battle/GunControls.h"
#include "desktop/CloseRequests.h"
#include "desktop/HotAreas.h"
#include "desktop/KeyCodes.h"
#include "desktop/KeyRouting.h"
#include "desktop/StartupText.h"
#include "desktop/TimersMayWait.h"
#include "desktop/WindowLooks.h"
#include "desktop/sdl/DisplayLoss.h"
#include "desktop/sdl/SdlAudioOutput.h"
#include "desktop/sdl/SdlBoxes.h"
#include "desktop/sdl/SdlHangup.h"
#include "desktop/sdl/SdlMediaSystem.h"
#include "desktop/sdl/SdlPicturePreload.h"
#include "desktop/sdl/SdlScreen.h"
#include "desktop/sdl/SdlSoundCheck.h"
#include "desktop/sdl/SdlStartup.h"
#include "desktop/sdl/SdlWavPlayer.h"
#include "frontend/BattleMenu.h"
#include "frontend/CloseBox.h"
#include "frontend/InfoScreens.h"
#include "frontend/MainMenu.h"
#include "frontend/Shutdown.h"
#include "platform/ClockRandom.h"
#include "render/PictureLoader.h"
#include "render/SceneView.h"
#include "state/Game.h"
#include "state/ProgramEnded.h"

namespace krepogor {
namespace {

// The longest the loop sleeps when no timer is due or the timers may wait:
// the end of a track wakes it with an event of its own.
constexpr int kMaxIdleMs = 1000;

// What the shown window's labels and menu marks show; a change means a
// redraw. The hidden battle window's countdown, ticking below zero behind the
// main menu, is no reason to draw the menu again.
std::string Shows(const Game& g) {
    const std::string shown = g.windows.Visible();
    std::string s = shown + '|';
    if (shown == "frm_vustrel") {
        const BattleForm& f = g.frm_vustrel;
        s += f.Lbl_Count.Caption;
        s += f.Lbl_Count.Visible ? '+' : '-';
        s += f.Music_Checked ? 'M' : 'm';
        s += f.Sound_Checked ? 'S' : 's';
    } else if (shown == "FrmWin") {
        s += g.LblScore.Caption;
        s += g.LblScore.Visible ? '+' : '-';
    } else if (shown == "FrmRecords") {
        for (int i = 0; i < 5; ++i)
            s += g.FrmRecords.LabelName(i) + '|' + g.FrmRecords.LabelScore(i) + '|';
    }
    return s;
}

class Shell : public BoxHost {
public:
    Shell(const ShellOptions& options, SdlPicturePreload& pictures)
        : options_(options),
          screen_(options.resourcesDir, pictures.TakeMenuBackground(), pictures.TakeFontFiles()),
          media_(audio_),
          wav_(audio_),
          timers_(true),
          boxes_(*this),
          platform_{timers_,
                    media_,
                    boxes_,
                    wav_,
                    random_,
                    options.appDir,
                    options.book.path,
                    options.book.seed,
                    options.book.notKept},
          game_(platform_),
          view_(game_) {
        pictures.TakeInto(game_.pics);
        view_.SetPresenter([this](const Canvas& frame) {
            screen_.TakeFrame(frame);
            dirty_ = true;
        });
        game_.view = &view_;
    }

    // The program from its start to its end.
    void Run() {
        timers_.SetNow(static_cast<int64_t>(SDL_GetTicks64()));
        frm_menu_Load(game_);
        while (true) {
            Service();
            const std::string shows = Shows(game_);
            if (dirty_ || shows != shows_) {
                shows_ = shows;
                dirty_ = false;
                DrawWindow();
                SDL_RenderPresent(screen_.Renderer());
            }
            SDL_Event e;
            if (!SDL_WaitEventTimeout(&e, IdleMs())) continue;
            do {
                RunTimers();
                Handle(e);
            } while (SDL_PollEvent(&e));
        }
    }

    void Service() override {
        if (boxes_.QuitAfterBox()) EndProgram();
        if (screen_.Follow(game_.windows.Visible())) dirty_ = true;
        RunTimers();
        media_.DeliverFinished();
        if (screen_.Follow(game_.windows.Visible())) dirty_ = true;
        if (options_.onPass) options_.onPass(game_);
    }

    int IdleMs() override {
        const auto due = timers_.NextDue();
        if (!due || TimersMayWait(game_)) return kMaxIdleMs;
        const int64_t wait = *due - static_cast<int64_t>(SDL_GetTicks64());
        return static_cast<int>(std::clamp<int64_t>(wait, 0, kMaxIdleMs));
    }

    SdlScreen& Screen() override { return screen_; }
    void DrawWindow() override { screen_.Draw(game_); }
    CloseRequests& Closes() override { return closes_; }
    void EndProgram() override {
        if (!game_.ShuttingDown) Shutdown(game_);
    }

private:
    std::string Visible() const { return game_.windows.Visible(); }

    // Fires the timers due by now: on the real clock's beat while they drive
    // what the player sees and hears, else every period they waited through.
    void RunTimers() {
        const auto now = static_cast<int64_t>(SDL_GetTicks64());
        if (TimersMayWait(game_))
            timers_.CatchUp(now);
        else
            timers_.RunUntil(now);
    }

    void Handle(const SDL_Event& e) {
        const bool closeBox = e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_CLOSE;
        if (e.type != SDL_QUIT && !closeBox) closes_.Other();
        switch (e.type) {
            case SDL_QUIT:
                if (closes_.QuitEndsProgram()) EndProgram();
                break;
            case SDL_WINDOWEVENT:
                if (closeBox) {
                    closes_.WindowClosed();
                    Close();
                } else {
                    dirty_ = true;
                }
                break;
            case SDL_KEYDOWN:
                Key(e.key);
                break;
            case SDL_KEYUP:
                keys_.Up(e.key.keysym.scancode);
                break;
            case SDL_MOUSEMOTION:
                Move(e.motion.x, e.motion.y);
                break;
            case SDL_MOUSEBUTTONDOWN:
                if (e.button.button == SDL_BUTTON_LEFT) Click(e.button.x, e.button.y);
                break;
            default:
                break;
        }
    }

    void Close() {
        const std::string visible = Visible();
        CloseRequest(game_, visible.empty() ? "frm_menu" : visible);
    }

    void Key(const SDL_KeyboardEvent& k) {
        const std::string shown = Visible();
        MenuBar& menu = screen_.Menu();
        const bool menuOpen = menu.Open() >= 0;
        const int scancode = k.keysym.scancode;
        switch (keys_.Down(shown, scancode, k.repeat != 0, menuOpen)) {
            case KeyUse::Ignore:
                break;
            case KeyUse::CloseScreen:
                ScreenClick(game_, shown);
                break;
            case KeyUse::MenuBar:
                if (const auto key = MenuKeyOf(scancode)) {
                    const std::string item = menu.Key(*key);
                    dirty_ = true;
                    if (!item.empty()) BattleMenu_Click(game_, item);
                }
                break;
            case KeyUse::Battle:
                if (const int16_t vk = VirtualKeyOf(scancode)) BattleWindow_Key(game_, vk);
                break;
        }
        if (Visible() != shown || (menu.Open() >= 0) != menuOpen) keys_.KeyboardMoved();
    }

    void Move(int x, int y) {
        if (Visible() != "frm_vustrel") return;
        MenuBar& menu = screen_.Menu();
        if (menu.Covers(x, y) || menu.Open() >= 0) {
            dirty_ |= menu.Move(x, y);
            screen_.UpgradePointer(false);
            return;
        }
        const int i = LblModAt(x, y - MenuBarHeight);
        if (i < 0) {
            screen_.UpgradePointer(false);
            return;
        }
        LblMod_MouseMove(game_, static_cast<int16_t>(i));
        screen_.UpgradePointer(game_.frm_vustrel.LblModPointer(i) == PointerCustom);
    }

    void Click(int x, int y) {
        const std::string visible = Visible();
        if (visible == "frm_vustrel") {
            MenuBar& menu = screen_.Menu();
            if (menu.Open() >= 0 || menu.Bar().Contains(x, y)) {
                const std::string item = menu.Click(x, y);
                dirty_ = true;
                if (!item.empty()) BattleMenu_Click(game_, item);
                return;
            }
            const int i = LblModAt(x, y - MenuBarHeight);
            if (i >= 0) LblMod_Click(game_, static_cast<int16_t>(i));
        } else if (visible == "frm_menu") {
            const std::string area = MainMenuAreaAt(x, y);
            if (area == "lbl_new_game") lbl_new_game_Click(game_);
            if (area == "lbl_credits") lbl_credits_Click(game_);
            if (area == "lbl_exit") lbl_exit_Click(game_);
        } else if (!visible.empty()) {
            ScreenClick(game_, visible);
        }
    }

    ShellOptions options_;
    SdlScreen screen_;
    SdlAudioOutput audio_;
    SdlMediaSystem media_;
    SdlWavPlayer wav_;
    TimerQueue timers_;
    ClockRandom random_;
    SdlBoxes boxes_;
    CloseRequests closes_;
    KeyRouter keys_;
    Platform platform_;
    Game game_;
    SceneView view_;
    bool dirty_ = true;
    std::string shows_;
};

}  // namespace

int RunDesktopGame(const ShellOptions& options) {
    int status = 0;
    try {
        // The pictures are decoded while the window system starts.
        SdlPicturePreload pictures(options.resourcesDir, LookOf("frm_menu")->background,
                                   options.appDir);
        std::string error;
        EndOnLostDisplay();
        if (!StartVideo(error)) {
            ReportFailure(StartupFailureText(NoDisplayReason(error)));
            SDL_Quit();
            return 1;
        }
        QuitOnHangup();
        // Typed text is wanted only in the name box.
        SDL_StopTextInput();
        try {
            Shell shell(options, pictures);
            // Once the start's helper is done with the font files: the box
            // that says why asks fontconfig too.
            RequireSounds(options.appDir);
            try {
                shell.Run();
            } catch (const ProgramEnded&) {
                status = 0;
            }
        } catch (const PictureLoadError& e) {
            ReportFailure(StartupFailureText(e.what()));
            status = 1;
        } catch (const ResourceError& e) {
            ReportFailure(StartupFailureText(e.what()));
            status = 1;
        }
    } catch (const std::bad_alloc&) {
        ReportFailure(kOutOfMemoryText);
        status = 1;
    }
    SDL_Quit();
    return status;
}

}  // namespace krepogor
