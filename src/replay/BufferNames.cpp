#include "replay/BufferNames.h"

namespace krepogor {
namespace {

using Named = std::vector<std::pair<std::string, const SpriteBuffer*>>;

template <typename S>
void AddAll(Named& out, const std::string& name, const S& slots) {
    for (int i = S::Lower; i <= S::Upper; ++i)
        out.emplace_back(name + "(" + std::to_string(i) + ")", &slots(i));
}

}  // namespace

Named NamedBuffers(const SpriteBuffers& b) {
    Named out = {{"PicGunPic", &b.PicGunPic}, {"PicGunMask", &b.PicGunMask}};
    AddAll(out, "PicKernelPic", b.PicKernelPic);
    AddAll(out, "PicKernelMask", b.PicKernelMask);
    AddAll(out, "PicMobPic", b.PicMobPic);
    AddAll(out, "PicMobMask", b.PicMobMask);
    AddAll(out, "PicShotPic", b.PicShotPic);
    AddAll(out, "PicShotMask", b.PicShotMask);
    AddAll(out, "PicBumPic", b.PicBumPic);
    AddAll(out, "PicBumMask", b.PicBumMask);
    AddAll(out, "PicZU", b.PicZU);
    AddAll(out, "PicZUMask", b.PicZUMask);
    for (const char* name : {"PicLife", "PicLifeM"}) {
        const auto& cells = std::string(name) == "PicLife" ? b.PicLife : b.PicLifeM;
        for (int i : SpriteBuffers::DigitCells)
            out.emplace_back(std::string(name) + "(" + std::to_string(i) + ")", &cells(i));
    }
    return out;
}

}  // namespace krepogor
