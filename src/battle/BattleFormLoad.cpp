#include "battle/BattleFormLoad.h"

#include <string>

#include "battle/Animation.h"
#include "battle/Arrivals.h"
#include "battle/BattleTick.h"
#include "battle/Effects.h"
#include "battle/NewGame.h"
#include "state/AppPath.h"
#include "state/Game.h"

namespace krepogor {
namespace {

void FirstPictures(Game& g) {
    SpriteBuffers& b = g.buf;
    PictureSet& p = g.pics;
    for (int n = 0; n <= 2; ++n) {
        b.PicZUMask(n).Put(p.ImgZMask);
        b.PicZU(n).Put(p.ImgZNA);
    }
    for (int i = 1; i <= 3; ++i) {
        b.PicKernelPic(i).Put(p.ImgKernelPic);
        b.PicKernelMask(i).Put(p.ImgKernelMask);
    }
    b.PicMobPic(1).Put(p.ImgMobPic1);
    b.PicMobPic(2).Put(p.ImgMobPic2);
    b.PicMobPic(3).Put(p.ImgMobPic3);
    b.PicMobPic(4).Put(p.ImgMobPic4(0));
    b.PicMobPic(5).Put(p.ImgMobPic5(0));
    b.PicMobPic(6).Put(p.ImgMobPic6(0));
    b.PicMobMask(1).Put(p.ImgMobMask1);
    b.PicMobMask(2).Put(p.ImgMobMask2);
    b.PicMobMask(3).Put(p.ImgMobMask3);
    b.PicMobMask(4).Put(p.ImgMobMask4(0));
    b.PicMobMask(5).Put(p.ImgMobMask5(0));
    b.PicMobMask(6).Put(p.ImgMobMask6(0));
    b.PicLifeM(3).Put(p.ImgZifraM(11));
    b.PicLife(3).Put(p.ImgZifra(11));
    b.PicLifeM(6).Put(p.ImgZifraM(10));
    b.PicLife(6).Put(p.ImgZifra(10));
}

void OpenDevices(Game& g) {
    const std::string& dir = g.sys.appDir;
    for (int i = 0; i <= 6; ++i)
        g.MMControlBum(i).FileName(
            AppPath(dir, "\\gamedata\\sounds\\bum" + std::to_string(i + 1) + ".mp3"));
    const char* engines[4] = {"Sound1", "Sound2", "Sound3", "Sound6"};
    for (int i = 0; i <= 3; ++i)
        g.MMControlSound(i).FileName(
            AppPath(dir, std::string("\\gamedata\\sounds\\") + engines[i] + ".mp3"));
    for (int i = 0; i <= 6; ++i) g.MMControlBum(i).Command("Open");
    for (int i = 0; i <= 3; ++i) g.MMControlSound(i).Command("Open");
}

void WireTimers(Game& g) {
    BattleForm& f = g.frm_vustrel;
    f.Tmr_kernel.OnTimer = [&g] { Tmr_kernel_Timer(g); };
    f.Tmr_mob.OnTimer = [&g] { Tmr_mob_Timer(g); };
    f.TmrBum.OnTimer = [&g] { TmrBum_Timer(g); };
    f.TmrMob5.OnTimer = [&g] { TmrMob5_Timer(g); };
    f.TmrFazaMob4.OnTimer = [&g] { TmrFazaMob4_Timer(g); };
    f.tmr_fc.OnTimer = [&g] { tmr_fc_Timer(g); };
    // These run from the moment the window exists, also while it is hidden.
    f.TmrBum.Enabled(true);
    f.TmrMob5.Enabled(true);
    f.TmrFazaMob4.Enabled(true);
    f.tmr_fc.Enabled(true);
}

}  // namespace

void frm_vustrel_Load(Game& g) {
    if (g.frm_vustrel.Loaded) return;
    g.frm_vustrel.Loaded = true;
    g.sys.random.Randomize();
    FirstPictures(g);
    OpenDevices(g);
    WireTimers(g);
}

}  // namespace krepogor
