#include "replay/StateFields.h"

#include "frontend/Cp1251.h"
#include "replay/Json.h"
#include "replay/ParseValue.h"
#include "state/Game.h"

namespace krepogor {
namespace {

template <typename T>
StateField Scalar(const std::string& name, T& ref) {
    return {name, [&ref] { return JsonValue(ref); },
            [&ref](std::optional<int> index, const std::string& text) {
                return !index && ParseValue(text, ref);
            }};
}

template <typename T, int Lo, int Hi>
StateField Array(const std::string& name, Slots<T, Lo, Hi>& ref) {
    return {name,
            [&ref] {
                std::string out = "[";
                for (int i = Lo; i <= Hi; ++i) out += (i > Lo ? ", " : "") + JsonValue(ref(i));
                return out + "]";
            },
            [&ref](std::optional<int> index, const std::string& text) {
                return index && ref.Has(*index) && ParseValue(text, ref(*index));
            }};
}

StateField Record(const std::string& name, BookRecord& rec) {
    return {name,
            [&rec] {
                return "{\"Name\": " + JsonString(Cp1251ToUtf8({rec.Name, sizeof rec.Name})) +
                       ", \"Score\": " + JsonString({rec.Score, sizeof rec.Score}) + "}";
            },
            [](std::optional<int>, const std::string&) { return false; }};
}

}  // namespace

std::vector<StateField> StateFields(Game& g) {
    BattleState& s = g.st;
    return {
        Scalar("MusicOn", s.MusicOn),
        Scalar("SoundOn", s.SoundOn),
        Scalar("Life", s.Life),
        Scalar("ModPoints", s.ModPoints),
        Scalar("DtLevel", s.DtLevel),
        Scalar("KernelDt", s.KernelDt),
        Scalar("ForceLevel", s.ForceLevel),
        Scalar("KernelSpeed", s.KernelSpeed),
        Scalar("Kills", s.Kills),
        Scalar("Level", s.Level),
        Scalar("ShotCount", s.ShotCount),
        Scalar("FinalScore", s.FinalScore),
        Array("KernelFly", s.KernelFly),
        Array("KernelX", s.KernelX),
        Array("KernelY", s.KernelY),
        Array("KernelT", s.KernelT),
        Array("KernelAngle", s.KernelAngle),
        Array("KernelRad", s.KernelRad),
        Array("MobLive", s.MobLive),
        Array("MobX", s.MobX),
        Array("MobY", s.MobY),
        Array("MobSpeed", s.MobSpeed),
        Scalar("MobHP1", s.MobHP1),
        Scalar("MobHP2", s.MobHP2),
        Scalar("MobHP3", s.MobHP3),
        Scalar("MobHP6", s.MobHP6),
        Array("BumLive", s.BumLive),
        Array("BumFaza", s.BumFaza),
        Array("BumX", s.BumX),
        Array("BumY", s.BumY),
        Array("VustrelLive", s.VustrelLive),
        Array("VustrelFaza", s.VustrelFaza),
        Array("VustrelX", s.VustrelX),
        Array("VustrelY", s.VustrelY),
        Scalar("FazaMob4", s.FazaMob4),
        Scalar("FazaMob5", s.FazaMob5),
        Array("RecName", s.RecName),
        Array("RecScore", s.RecScore),
        Scalar("RecIdx", s.RecIdx),
        Scalar("Zifra1", s.Zifra1),
        Scalar("Zifra2", s.Zifra2),
        Scalar("Zifra3", s.Zifra3),
        Scalar("ZifraIdx", s.ZifraIdx),
        Scalar("WasTmrMob5", s.WasTmrMob5),
        Scalar("WasTmrFazaMob4", s.WasTmrFazaMob4),
        Scalar("WasTmr_fc", s.WasTmr_fc),
        Scalar("WasTmr_kernel", s.WasTmr_kernel),
        Scalar("WasTmr_mob", s.WasTmr_mob),
        Scalar("WasTmrBum", s.WasTmrBum),
        Scalar("CreditsFrom", s.CreditsFrom),
        Scalar("Pi", s.Pi),
        Scalar("Grav", s.Grav),
        Scalar("GunAngle", s.GunAngle),
        Scalar("MobRange", s.MobRange),
        Scalar("MobSpeedBase", s.MobSpeedBase),
        Scalar("MobRoll", s.MobRoll),
        Scalar("Count5", s.Count5),
        Scalar("PlayerName", s.PlayerName),
        Record("RecRow", s.RecRow),
        Scalar("MenuTrack", g.frm_menu.MenuTrack),
        Scalar("Caption", g.frm_vustrel.Caption),
        Scalar("Lbl_Count.Caption", g.frm_vustrel.Lbl_Count.Caption),
        Scalar("Lbl_Count.Visible", g.frm_vustrel.Lbl_Count.Visible),
        Scalar("NG.Enabled", g.frm_vustrel.NG_Enabled),
        Scalar("Music.Checked", g.frm_vustrel.Music_Checked),
        Scalar("Sound.Checked", g.frm_vustrel.Sound_Checked),
        Array("LblMod.MousePointer", g.frm_vustrel.LblModPointer),
        Array("LabelName", g.FrmRecords.LabelName),
        Array("LabelScore", g.FrmRecords.LabelScore),
        Scalar("LblScore.Caption", g.LblScore.Caption),
    };
}

}  // namespace krepogor
