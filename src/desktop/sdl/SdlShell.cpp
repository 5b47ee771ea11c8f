#include "desktop/sdl/SdlShell.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "battle/GunControls.h"
#include "desktop/HotAreas.h"
#include "desktop/KeyCodes.h"
#include "desktop/sdl/SdlAudioOutput.h"
#include "desktop/sdl/SdlBoxes.h"
#include "desktop/sdl/SdlMediaSystem.h"
#include "desktop/sdl/SdlPictureDecoder.h"
#include "desktop/sdl/SdlScreen.h"
#include "desktop/sdl/SdlWavPlayer.h"
#include "frontend/BattleMenu.h"
#include "frontend/CloseBox.h"
#include "frontend/InfoScreens.h"
#include "frontend/MainMenu.h"
#include "platform/ClockRandom.h"
#include "render/PictureLoader.h"
#include "render/SceneView.h"
#include "state/Game.h"
#include "state/ProgramEnded.h"

namespace krepogor {
namespace {

// The longest the loop sleeps when no timer is due: the end of a track wakes
// it with an event of its own.
constexpr int kMaxIdleMs = 1000;

// What the labels and menu marks show; a change means a redraw.
std::string Shows(const Game& g) {
    std::string s = g.frm_vustrel.Lbl_Count.Caption;
    s += g.frm_vustrel.Lbl_Count.Visible ? '+' : '-';
    s += g.frm_vustrel.Music_Checked ? 'M' : 'm';
    s += g.frm_vustrel.Sound_Checked ? 'S' : 's';
    s += g.LblScore.Caption + '|';
    for (int i = 0; i < 5; ++i)
        s += g.FrmRecords.LabelName(i) + '|' + g.FrmRecords.LabelScore(i) + '|';
    return s;
}

class Shell : public BoxHost {
public:
    explicit Shell(const ShellOptions& options)
        : options_(options),
          screen_(options.resourcesDir),
          media_(audio_),
          wav_(audio_),
          timers_(true),
          boxes_(*this),
          platform_{timers_, media_, boxes_, wav_, random_, options.appDir},
          game_(platform_),
          view_(game_) {
        SdlPictureDecoder decoder;
        LoadPictures(game_.pics, decoder, options.resourcesDir, options.appDir);
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
                timers_.RunUntil(static_cast<int64_t>(SDL_GetTicks64()));
                Handle(e);
            } while (SDL_PollEvent(&e));
        }
    }

    void Service() override {
        if (screen_.Follow(game_.windows.Visible())) dirty_ = true;
        timers_.RunUntil(static_cast<int64_t>(SDL_GetTicks64()));
        media_.DeliverFinished();
        if (screen_.Follow(game_.windows.Visible())) dirty_ = true;
        if (options_.onPass) options_.onPass(game_);
    }

    int IdleMs() override {
        const auto due = timers_.NextDue();
        if (!due) return kMaxIdleMs;
        const int64_t wait = *due - static_cast<int64_t>(SDL_GetTicks64());
        return static_cast<int>(std::clamp<int64_t>(wait, 0, kMaxIdleMs));
    }

    SdlScreen& Screen() override { return screen_; }
    void DrawWindow() override { screen_.Draw(game_); }

private:
    std::string Visible() const { return game_.windows.Visible(); }

    void Handle(const SDL_Event& e) {
        switch (e.type) {
            case SDL_QUIT:
                Close();
                break;
            case SDL_WINDOWEVENT:
                if (e.window.event == SDL_WINDOWEVENT_CLOSE)
                    Close();
                else
                    dirty_ = true;
                break;
            case SDL_KEYDOWN:
                Key(e.key.keysym.scancode);
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

    void Key(SDL_Scancode scancode) {
        if (Visible() != "frm_vustrel") return;
        MenuBar& menu = screen_.Menu();
        if (menu.Open() >= 0) {
            // An open drop-down takes the keyboard; Esc closes it.
            if (scancode == SDL_SCANCODE_ESCAPE) dirty_ |= menu.Close();
            return;
        }
        if (const int16_t vk = VirtualKeyOf(scancode)) BattleWindow_Key(game_, vk);
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
    Platform platform_;
    Game game_;
    SceneView view_;
    bool dirty_ = true;
    std::string shows_;
};

void Report(const std::string& message) {
    std::fprintf(stderr, "krepogor: %s\n", message.c_str());
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Крепогор", message.c_str(), nullptr);
}

}  // namespace

int RunDesktopGame(const ShellOptions& options) {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        std::fprintf(stderr, "krepogor: %s\n", SDL_GetError());
        return 1;
    }
    // Typed text is wanted only in the name box.
    SDL_StopTextInput();
    int status = 0;
    try {
        Shell shell(options);
        try {
            shell.Run();
        } catch (const ProgramEnded&) {
            status = 0;
        }
    } catch (const PictureLoadError& e) {
        Report(e.what());
        status = 1;
    } catch (const ResourceError& e) {
        Report(e.what());
        status = 1;
    }
    SDL_Quit();
    return status;
}

}  // namespace krepogor
