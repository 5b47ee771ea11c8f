#pragma once

#include <memory>
#include <string>

#include "state/BattleState.h"
#include "state/BattleView.h"
#include "state/DeviceArray.h"
#include "state/FrontEndHooks.h"
#include "state/NullBattleView.h"
#include "state/PictureSet.h"
#include "state/Platform.h"
#include "state/SpriteBuffers.h"
#include "state/Windows.h"

namespace krepogor {

struct Label {
    std::string Caption;
    bool Visible = true;
};

// Mouse pointer styles of the upgrade click areas.
constexpr int PointerDefault = 0;
constexpr int PointerCustom = 99;

// The battle window's controls: caption, labels, menu marks, timers, devices.
struct BattleForm {
    explicit BattleForm(Platform& sys);

    std::string Caption = "Крепогор";
    Label Lbl_Count{"5", true};
    bool NG_Enabled = true;
    bool Music_Checked = false;
    bool Sound_Checked = false;
    Slots<int, 0, 2> LblModPointer;  // PointerDefault or PointerCustom

    // In the order the window was designed with; timers due at the same
    // instant fire in this order. All start disabled; the window's load
    // starts those that run from the beginning.
    Timer Tmr_kernel, Tmr_mob, TmrBum, TmrMob5, TmrFazaMob4, tmr_fc;

    DeviceArray<0, 6> MMControlBum;
    DeviceArray<0, 3> MMControlSound;
    bool Loaded = false;
};

// The main menu's two music devices.
struct MenuForm {
    explicit MenuForm(Platform& sys)
        : mm_menu(sys.media.Create("mm_menu")), about(sys.media.Create("about")) {}
    std::unique_ptr<IMediaDevice> mm_menu, about;
    int16_t MenuTrack = 0;
};

// The champions' book window: names and scores of rows 1..5, as labels.
struct RecordsForm {
    RecordsForm() {
        // What the window shows before it is first filled.
        LabelName.Fill("Велесов Ждан");
        LabelScore.Fill("10000");
    }
    Slots<std::string, 0, 4> LabelName, LabelScore;
};

// The whole running program: shared variables, pictures, windows and devices.
class Game {
public:
    explicit Game(Platform& platform);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Platform& sys;
    BattleState st;
    PictureSet pics;
    SpriteBuffers buf;
    Windows windows;
    BattleForm frm_vustrel;
    MenuForm frm_menu;
    RecordsForm FrmRecords;
    Label LblScore{"00000", true};  // on the victory screen
    FrontEndHooks frontEnd;
    bool ShuttingDown = false;  // close requests are ignored from then on
    NullBattleView noView;
    IBattleView* view = &noView;  // the battle window's drawing

    IMediaDevice& MMControlBum(int i) const { return frm_vustrel.MMControlBum(i); }
    IMediaDevice& MMControlSound(int i) const { return frm_vustrel.MMControlSound(i); }
    IMediaDevice& mm_menu() const { return *frm_menu.mm_menu; }
    IMediaDevice& about() const { return *frm_menu.about; }
    bool SoundIsOn() const { return st.SoundOn == -1; }
};

}  // namespace krepogor
