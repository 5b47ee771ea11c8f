#include "desktop/sdl/SdlShell.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <limits>
#include <map>
#include <memory>
#include <new>
#include <utility>

#include "battle/GunControls.h"
#include "codec/PngWriter.h"
#include "desktop/CloseRequests.h"
#include "desktop/HotAreas.h"
#include "desktop/KeyCodes.h"
#include "desktop/KeyRouting.h"
#include "desktop/MainMenuFocus.h"
#include "desktop/PlayerChoices.h"
#include "desktop/RecordTarget.h"
#include "desktop/SettingsFile.h"
#include "desktop/StartupText.h"
#include "desktop/TimersMayWait.h"
#include "desktop/TouchControls.h"
#include "desktop/WindowLooks.h"
#include "desktop/WindowScale.h"
#include "desktop/sdl/DisplayLoss.h"
#include "desktop/sdl/SdlAudioOutput.h"
#include "desktop/sdl/SdlBoxes.h"
#include "desktop/sdl/SdlDisplayDensity.h"
#include "desktop/sdl/SdlEventWait.h"
#include "desktop/sdl/SdlGamepads.h"
#include "desktop/sdl/SdlHangup.h"
#include "desktop/sdl/SdlInputKind.h"
#include "desktop/sdl/SdlMediaSystem.h"
#include "desktop/sdl/SdlPicturePreload.h"
#include "desktop/sdl/SdlPlayback.h"
#include "desktop/sdl/SdlScreen.h"
#include "desktop/sdl/SdlSoundCheck.h"
#include "desktop/sdl/SdlStartup.h"
#include "desktop/sdl/SdlWavPlayer.h"
#include "desktop/sdl/SdlWindowClass.h"
#include "frontend/BattleMenu.h"
#include "frontend/CloseBox.h"
#include "frontend/InfoScreens.h"
#include "frontend/MainMenu.h"
#include "frontend/PrintableText.h"
#include "frontend/Shutdown.h"
#include "platform/ClockRandom.h"
#include "render/PictureLoader.h"
#include "render/SceneView.h"
#include "replay/RecordingDialogs.h"
#include "replay/RunRecorder.h"
#include "state/Game.h"
#include "state/ProgramEnded.h"

namespace krepogor {
namespace {

// The longest the loop sleeps when no timer is due or the timers may wait:
// the end of a track wakes it with an event of its own.
constexpr int kMaxIdleMs = 1000;
// How often the loop wakes while a recording is shown.
constexpr int kPlaybackFrameMs = 10;
// The mouse among the fingers on the touch controls.
constexpr int64_t kMousePointer = std::numeric_limits<int64_t>::min();

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
    Shell(const ShellOptions& options, SdlPicturePreload& pictures, const Settings& settings,
          const PlayerChoices& choices)
        : options_(options),
          screen_(options.resourcesDir, pictures.TakeMenuBackground(), pictures.TakeFontFiles(),
                  {options.display.scale ? options.display.scale : settings.scale,
                   options.display.fullscreen.value_or(settings.fullscreen)},
                  settings.places),
          displayDensity_(screen_.Window()),
          media_(audio_),
          wav_(audio_),
          timers_(true),
          random_(options.playback ? ClockRandom(options.playback->seed) : ClockRandom()),
          boxes_(*this),
          recorder_([file = options.recording](
                        const std::string& line) { return !file || file->Append(line + '\n'); },
                    game_),
          dialogs_(boxes_, timers_, recorder_),
          playback_(
              game_, timers_, media_, dialogs_,
              [this] {
                  DrawWindow();
                  screen_.Present();
              },
              [this](const std::string& error) { TellCut(error); }),
          platform_{timers_,
                    media_,
                    playback_.Boxes(),
                    wav_,
                    random_,
                    options.appDir,
                    options.book.path,
                    options.book.seed,
                    options.book.notKept},
          game_(platform_),
          view_(game_),
          pictures_(&pictures),
          byHand_(settings.byHand),
          battleKeys_(choices.keys),
          touch_(input_, choices.touch.on) {
        // A recording shown may start a battle at once; a player's run first
        // shows the main menu, which needs none of the battle's pictures.
        if (options.playback) TakePictures();
        if (const auto chosen = screen_.LoweredFrom())
            std::cerr << LoweredScaleText(*chosen, screen_.Scale());
        view_.SetPresenter([this](const Canvas& frame) { screen_.TakeFrame(frame); });
        game_.view = &view_;
        media_.onEnd = [this](const std::string& device) {
            recorder_.TrackEnded(timers_.Now(), device);
        };
        screen_.UseTouch(touch_, options.density ? *options.density : displayDensity_,
                         choices.touch.mm);
        pads_.battleKey = [this](int key) { return battleKeys_.KeyFor(key); };
        if (!options.notice.empty()) screen_.Notice(options.notice);
    }

    // The program from its start to its end.
    void Run() {
        timers_.SetNow(static_cast<int64_t>(SDL_GetTicks64()));
        recorder_.Start(random_.Seed(), timers_.Now(), [this] { frm_menu_Load(game_); });
        if (options_.playback) {
            playback_.Start(*options_.playback, options_.playSpeed);
        }
        while (true) {
            Pass();
            pads_.Repeat(PadPlaceNow());
            while (const auto control = touch_.Due(static_cast<int64_t>(SDL_GetTicks64())))
                PressControl(*control);
            if (screen_.NoticeGone()) dirty_ = true;
            const std::string shows = Shows(game_);
            if (dirty_ || shows != shows_ || screen_.IsWholeDue()) {
                shows_ = shows;
                dirty_ = false;
                DrawWindow();
                screen_.Present();
                // Pads are looked for, and the battle's pictures taken over,
                // once the first window shows.
                pads_.Start();
                TakePictures();
            } else {
                // A battle frame alone goes to the window system as the tiles it changed.
                screen_.PresentChanges(game_);
            }
            SDL_Event e;
            if (!WaitForEvent(e, IdleMs())) continue;
            do {
                RunTimers();
                NoteInput(e);
                if (!pads_.Handle(e, PadPlaceNow())) Handle(e);
            } while (SDL_PollEvent(&e));
        }
    }

    // A pass of a box's loop: the box has the fingers, so the touch controls
    // let go of whatever they held.
    void Service() override {
        if (touch_.LetGo()) dirty_ = true;
        Pass();
    }

    int IdleMs() override {
        if (playback_.Playing()) return kPlaybackFrameMs;
        // The next timer due (unless the timers may wait) or a pad's next repeat.
        int64_t wait = INT64_MAX;
        if (const auto timer = timers_.NextDue(); timer && !TimersMayWait(game_))
            wait = *timer - playback_.Ticks();
        if (const auto pad = pads_.NextDue())
            wait = std::min(wait, *pad - static_cast<int64_t>(SDL_GetTicks64()));
        if (const auto touch = touch_.NextDue())
            wait = std::min(wait, *touch - static_cast<int64_t>(SDL_GetTicks64()));
        if (const auto notice = screen_.NoticeLeftMs()) wait = std::min(wait, *notice);
        if (wait == INT64_MAX) return kMaxIdleMs;
        return static_cast<int>(std::clamp<int64_t>(wait, 0, kMaxIdleMs));
    }

    // Keeps how the windows were shown for the next run.
    void Remember() {
        if (options_.settingsPath.empty()) return;
        std::string error;
        Settings s = screen_.Remembered();
        s.byHand = byHand_;
        if (!SaveSettings(SystemFileCalls(), options_.settingsPath, s, error))
            std::cerr << "krepogor: настройки не сохранены: " << error << "\n";
    }

    SdlScreen& Screen() override { return screen_; }
    SdlGamepads& Pads() override { return pads_; }
    void DrawWindow() override { screen_.Draw(game_); }
    CloseRequests& Closes() override { return closes_; }
    void NoteInput(const SDL_Event& e) override {
        const auto kind = InputKindOf(e);
        // The touch controls came or went: drawn again, holding nothing.
        if (kind && input_.Note(*kind)) {
            touch_.LetGo();
            dirty_ = true;
        }
    }
    const LastInput& Input() const override { return input_; }
    void EndProgram() override {
        if (!game_.ShuttingDown) Do("quit", [this] { Shutdown(game_); });
    }
    // A recording shown is held to the state its run ended in; the state
    // this run ended in closes its recording, and the battle window's last
    // frame goes beside a whole one.
    void Finish() {
        if (options_.playback)
            if (const std::string parted = playback_.CheckEnd(); !parted.empty())
                std::cerr << "krepogor: запись " << QuotedPath(options_.playPath)
                          << " не сходится с игрой в конце: " << parted << "\n";
        recorder_.Finish();
        TellIfStopped();
        if (options_.lastFramePath.empty() || recorder_.Stopped()) return;
        const Canvas& frame = view_.Frame();
        std::string png, error;
        if (!PngBytes(frame.Pixels(), Canvas::Width, Canvas::Height, png, error))
            error = "последний кадр не сохранён: " + error;
        else
            error = SaveLastFrame(SystemFileCalls(), options_.lastFramePath, png);
        if (!error.empty()) std::cerr << "krepogor: " << error << "\n";
    }

private:
    std::string Visible() const { return game_.windows.Visible(); }

    // One pass of the program's work: the boxes', and the main loop's.
    void Pass() {
        TellIfStopped();
        if (boxes_.QuitAfterBox()) EndProgram();
        if (screen_.Follow(game_.windows.Visible())) dirty_ = true;
        RunTimers();
        media_.DeliverFinished();
        media_.PlayArrived();
        if (screen_.Follow(game_.windows.Visible())) dirty_ = true;
        if (options_.onPass) options_.onPass(game_);
    }

    // A finger, or the mouse, went down at (x, y) of the desktop window.
    void TouchDown(int64_t pointer, int x, int y) {
        const auto control =
            touch_.Down(pointer, screen_.Touch().At(x, y), static_cast<int64_t>(SDL_GetTicks64()));
        if (!control) return;
        dirty_ = true;
        PressControl(*control);
    }

    // Where a finger is on the desktop window.
    std::pair<int, int> FingerAt(const SDL_TouchFingerEvent& f) const {
        int w = 0, h = 0;
        SDL_GetWindowSize(screen_.Window(), &w, &h);
        return {static_cast<int>(f.x * static_cast<float>(w)),
                static_cast<int>(f.y * static_cast<float>(h))};
    }

    // The touch control under a point of the desktop window, while they show.
    std::optional<TouchControl> ControlAt(int x, int y) const {
        if (!touch_.Shown()) return std::nullopt;
        return screen_.Touch().At(x, y);
    }

    // A touch control does what its key does, and is recorded as that key.
    void PressControl(TouchControl c) {
        if (Visible() != "frm_vustrel") return;
        if (screen_.Menu().Close()) dirty_ = true;
        const int16_t vk = ControlKey(c);
        Do("key vk:" + std::to_string(vk), [&] { BattleWindow_Key(game_, vk); });
    }

    // Tells the player what they must know about the run: on standard
    // error, and for a few seconds over the window's picture.
    void Tell(const std::string& line, const std::string& notice) {
        std::cerr << "krepogor: " << line << "\n";
        screen_.Notice(notice);
    }

    // A recording that lost a line stops there; the player hears it once.
    void TellIfStopped() {
        if (!recorder_.Stopped() || toldStopped_) return;
        toldStopped_ = true;
        const std::string why = options_.recording->Error();
        Tell("запись игры в " + QuotedPath(options_.recording->Path()) + " остановлена: " + why +
                 "; она цела до этого места, а игра идёт дальше без записи",
             "Игра больше не записывается: " + why);
    }

    // The recording shown ran out (or came to a line no recording holds)
    // while the program runs: the picture stays until the player takes over.
    void TellCut(const std::string& error) {
        const std::string name = QuotedPath(options_.playPath);
        if (error.empty())
            Tell("запись " + name +
                     " кончилась посреди игры; клавиша или щелчок мыши отдают игру вам",
                 "Запись кончилась посреди игры: нажмите клавишу, чтобы играть дальше");
        else
            Tell("запись " + name + " дальше не показать: " + error +
                     "; клавиша или щелчок мыши отдают игру вам",
                 "Запись испорчена: нажмите клавишу, чтобы играть дальше");
    }

    // Moves the decoded pictures into the game, once; a picture that would
    // not load ends the start here.
    void TakePictures() {
        if (SdlPicturePreload* pictures = std::exchange(pictures_, nullptr))
            pictures->TakeInto(game_.pics);
    }

    // Runs an input of the player's, written to the recording as `line`.
    void Do(const std::string& line, const std::function<void()>& act) {
        recorder_.Command(timers_.Now(), line, act);
    }

    // Where a pad's buttons go outside the boxes.
    PadPlace PadPlaceNow() {
        const std::string shown = Visible();
        if (shown == "frm_vustrel")
            return screen_.Menu().Open() >= 0 ? PadPlace::MenuBar : PadPlace::Battle;
        if (shown == "frm_menu" || shown.empty()) return PadPlace::MainMenu;
        return PadPlace::Screen;
    }

    // Fires the timers due by now: on the real clock's beat while they drive
    // what the player sees and hears, else every period they waited through.
    void RunTimers() {
        if (playback_.Playing()) {
            playback_.Run();
            return;
        }
        const int64_t now = playback_.Ticks();
        const bool realClock = !TimersMayWait(game_);
        const auto due = timers_.NextDue();
        recorder_.Timers(now, realClock, due && *due <= now, [&] {
            if (realClock)
                timers_.RunUntil(now);
            else
                timers_.CatchUp(now);
        });
    }

    void Handle(const SDL_Event& e) {
        if (playback_.TakesOver(e)) return;
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
                    if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) screen_.Resized();
                    dirty_ = true;
                }
                break;
            case SDL_KEYDOWN:
                Key(e.key);
                break;
            case SDL_KEYUP:
                keys_.Up(e.key.keysym.scancode);
                break;
            case SDL_MOUSEMOTION: {
                // The mouse puts out the main menu's light the keys lit.
                if (e.motion.xrel != 0 || e.motion.yrel != 0) LightMenuWord(false);
                // Over the black bars, and over the touch controls, the
                // pointer is over nothing of the game.
                const auto control = ControlAt(e.motion.x, e.motion.y);
                if (e.motion.which != SDL_TOUCH_MOUSEID && touch_.Move(kMousePointer, control))
                    dirty_ = true;
                const auto at = screen_.ToClient(e.motion.x, e.motion.y);
                if (at && !control)
                    Move(at->x, at->y);
                else
                    Move(-1, -1);
                break;
            }
            case SDL_MOUSEBUTTONDOWN:
                LightMenuWord(false);
                if (e.button.button != SDL_BUTTON_LEFT) break;
                // A touch control takes the press: the mouse's, not a
                // finger's copy of it, which its finger presses.
                if (ControlAt(e.button.x, e.button.y)) {
                    if (e.button.which != SDL_TOUCH_MOUSEID)
                        TouchDown(kMousePointer, e.button.x, e.button.y);
                } else if (const auto at = screen_.ToClient(e.button.x, e.button.y)) {
                    Click(at->x, at->y);
                }
                break;
            case SDL_MOUSEBUTTONUP:
                if (e.button.button == SDL_BUTTON_LEFT && e.button.which != SDL_TOUCH_MOUSEID &&
                    touch_.Up(kMousePointer))
                    dirty_ = true;
                break;
            case SDL_FINGERDOWN:
                // A recording shown is taken over by the finger's click.
                if (!playback_.Playing()) {
                    const auto [x, y] = FingerAt(e.tfinger);
                    TouchDown(e.tfinger.fingerId, x, y);
                }
                break;
            case SDL_FINGERMOTION: {
                const auto [x, y] = FingerAt(e.tfinger);
                if (touch_.Move(e.tfinger.fingerId, ControlAt(x, y))) dirty_ = true;
                break;
            }
            case SDL_FINGERUP:
                if (touch_.Up(e.tfinger.fingerId)) dirty_ = true;
                break;
            default:
                break;
        }
    }

    void Close() {
        const std::string visible = Visible();
        const std::string form = visible.empty() ? "frm_menu" : visible;
        Do("close " + form, [&] { CloseRequest(game_, form); });
    }

    void Key(const SDL_KeyboardEvent& k) {
        const std::string shown = Visible();
        MenuBar& menu = screen_.Menu();
        const bool menuOpen = menu.Open() >= 0;
        const int scancode = k.keysym.scancode;
        if (TogglesFullscreen(scancode, (k.keysym.mod & KMOD_ALT) != 0)) {
            if (!k.repeat) {
                screen_.ToggleFullscreen();
                dirty_ = true;
            }
            return;
        }
        switch (keys_.Down(shown, scancode, k.repeat != 0, menuOpen)) {
            case KeyUse::Ignore:
                break;
            case KeyUse::MainMenu:
                if (const auto key = MenuKeyOf(scancode)) {
                    const std::string area = menuFocus_.Key(*key);
                    LightMenuWord(true);
                    if (!area.empty()) ChooseMainMenu(area);
                }
                break;
            case KeyUse::CloseScreen:
                ScreenClickOf(shown);
                break;
            case KeyUse::MenuBar:
                if (const auto key = MenuKeyOf(scancode)) {
                    const std::string item = menu.Key(*key);
                    dirty_ = true;
                    if (!item.empty()) MenuItem(item);
                }
                break;
            case KeyUse::Battle:
                if (const int16_t vk = battleKeys_.VirtualKey(scancode))
                    Do("key vk:" + std::to_string(vk), [&] { BattleWindow_Key(game_, vk); });
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
        Do("hover frm_vustrel LblMod " + std::to_string(i),
           [&] { LblMod_MouseMove(game_, static_cast<int16_t>(i)); });
        screen_.UpgradePointer(game_.frm_vustrel.LblModPointer(i) == PointerCustom);
    }

    void Click(int x, int y) {
        const std::string visible = Visible();
        if (visible == "frm_vustrel") {
            MenuBar& menu = screen_.Menu();
            if (menu.Open() >= 0 || menu.Bar().Contains(x, y)) {
                const std::string item = menu.Click(x, y);
                dirty_ = true;
                if (!item.empty()) MenuItem(item);
                return;
            }
            const int i = LblModAt(x, y - MenuBarHeight);
            if (i >= 0)
                Do("click frm_vustrel LblMod " + std::to_string(i),
                   [&] { LblMod_Click(game_, static_cast<int16_t>(i)); });
        } else if (visible == "frm_menu") {
            ChooseMainMenu(MainMenuAreaAt(x, y));
        } else if (!visible.empty()) {
            ScreenClickOf(visible);
        }
    }

    // A word of the main menu, clicked or chosen by the keys or the pad.
    void ChooseMainMenu(const std::string& area) {
        void (*click)(Game&) = area == "lbl_new_game"  ? lbl_new_game_Click
                               : area == "lbl_credits" ? lbl_credits_Click
                               : area == "lbl_exit"    ? lbl_exit_Click
                                                       : nullptr;
        if (click) Do("click frm_menu " + area, [&] { click(game_); });
    }

    // Shows the main menu's light where the keys or the pad put it, or puts
    // it out.
    void LightMenuWord(bool on) {
        if (!on) menuFocus_.Clear();
        if (screen_.LightMenuWord(menuFocus_.Lit())) dirty_ = true;
    }

    void ScreenClickOf(const std::string& screen) {
        Do("click " + screen + " Form", [&] { ScreenClick(game_, screen); });
    }

    void MenuItem(const std::string& item) {
        Do("menu " + item, [&] { BattleMenu_Click(game_, item); });
    }

    ShellOptions options_;
    SdlScreen screen_;
    SdlDisplayDensity displayDensity_;
    SdlGamepads pads_;
    SdlAudioOutput audio_;
    SdlMediaSystem media_;
    SdlWavPlayer wav_;
    TimerQueue timers_;
    ClockRandom random_;
    SdlBoxes boxes_;
    RunRecorder recorder_;
    bool toldStopped_ = false;
    RecordingDialogs dialogs_;
    SdlPlayback playback_;
    CloseRequests closes_;
    KeyRouter keys_;
    MainMenuFocus menuFocus_;
    Platform platform_;
    Game game_;
    SceneView view_;
    SdlPicturePreload* pictures_;  // until the game has taken them
    bool dirty_ = true;
    std::string shows_;
    std::map<std::string, std::string> byHand_;  // the settings' lines the player wrote
    BattleKeys battleKeys_;
    LastInput input_;
    TouchControls touch_;
};

}  // namespace

int RunDesktopGame(const ShellOptions& options) {
    int status = 0;
    try {
        // The pictures are decoded while the window system starts.
        SdlPicturePreload pictures(options.resourcesDir, LookOf("frm_menu")->background,
                                   options.appDir);
        NameWindowClass();
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
            const Settings settings =
                options.settingsPath.empty()
                    ? Settings{}
                    : LoadSettings(SystemFileCalls(), options.settingsPath, std::cerr);
            const PlayerChoices choices = ChoicesOf(settings, options.settingsPath, std::cerr);
            Shell shell(options, pictures, settings, choices);
            // Once the start's helper is done with the font files: the box
            // that says why asks fontconfig too.
            RequireSounds(options.appDir);
            try {
                shell.Run();
            } catch (const ProgramEnded&) {
                shell.Finish();
                status = 0;
            }
            shell.Remember();
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
