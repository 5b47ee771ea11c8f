#include "battle/NewGame.h"

#include "battle/GunFrame.h"
#include "state/Game.h"
#include "state/NumberText.h"

namespace krepogor {

void NewGame(Game& g) {
    BattleState& s = g.st;
    BattleForm& f = g.frm_vustrel;
    PictureSet& p = g.pics;

    f.NG_Enabled = true;
    f.Caption = "Крепогор";
    for (int i = 0; i <= 3; ++i) g.MMControlSound(i).Command("Stop");
    s.Count5 = 5;
    // The countdown's first number, shown the way each next one is (and not
    // as a literal, whose assignment GCC 12 at -O3 takes for an overlap).
    f.Lbl_Count.Caption = NumberText(s.Count5);
    f.Tmr_kernel.Enabled(false);
    f.Tmr_mob.Enabled(false);
    f.tmr_fc.Restart();  // every number of the countdown stays a full second
    f.Lbl_Count.Visible = true;

    s.Level = 1;
    s.ModPoints = 0;
    s.Kills = 0;
    s.ShotCount = 0;
    s.DtLevel = 1;
    s.ForceLevel = 1;
    s.KernelDt = 0.08;
    s.Life = 100;
    s.KernelSpeed = 50;
    s.Pi = 3.1415;
    s.GunAngle = 15;
    s.Grav = 9.81;
    s.MobSpeedBase = 3.0f;
    s.MobRange = 16;

    for (int i = 1; i <= 3; ++i) s.KernelFly(i) = 0;
    for (int k = 1; k <= 6; ++k) s.MobLive(k) = 0;
    for (int n = 0; n <= 5; ++n) {
        s.BumFaza(n) = 1;
        s.BumLive(n) = false;
        g.buf.PicBumPic(n).Put(p.ImgListBumPic(1));
        g.buf.PicBumMask(n).Put(p.ImgListBumMask(1));
        s.VustrelFaza(n) = 1;
        s.VustrelLive(n) = 0;
        g.buf.PicShotPic(n).Put(p.ImgListShotPic(1));
        g.buf.PicShotMask(n).Put(p.ImgListShotMask(1));
    }

    // The gun is shown at the angle it fires at: 15 degrees, element 1.
    g.buf.PicGunPic.Put(p.ImgGunPic(GunFrame(s.GunAngle)));
    g.buf.PicGunMask.Put(p.ImgGunMask(GunFrame(s.GunAngle)));

    g.view->Clear();
    g.view->DrawGun();
    g.view->Refresh();
}

void NG_Click(Game& g) {
    NewGame(g);
}

void tmr_fc_Timer(Game& g) {
    BattleState& s = g.st;
    BattleForm& f = g.frm_vustrel;
    s.Count5 = s.Count5 - 1;
    f.Lbl_Count.Caption = NumberText(s.Count5);
    if (s.Count5 == 0) {
        g.buf.PicLifeM(7).Put(g.pics.ImgZifraM(1));
        g.buf.PicLife(7).Put(g.pics.ImgZifra(1));
        f.Tmr_kernel.Enabled(true);
        f.Tmr_mob.Enabled(true);
        f.TmrBum.Enabled(true);
        f.TmrMob5.Enabled(true);
        f.TmrFazaMob4.Enabled(true);
        f.tmr_fc.Enabled(false);
        f.Lbl_Count.Visible = false;
    }
}

}  // namespace krepogor
