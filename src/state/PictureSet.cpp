#include "state/PictureSet.h"

namespace krepogor {
namespace {

void Name(Picture& p, std::string name, int w, int h) {
    p.Name = std::move(name);
    p.Width = w;
    p.Height = h;
}

template <typename S>
void NameAll(S& slots, const std::string& base, int w, int h) {
    for (int i = S::Lower; i <= S::Upper; ++i)
        Name(slots(i), base + "(" + std::to_string(i) + ")", w, h);
}

template <typename S>
void Each(S& slots, const std::function<void(Picture&)>& f) {
    for (int i = S::Lower; i <= S::Upper; ++i) f(slots(i));
}

}  // namespace

PictureSet::PictureSet() {
    Name(MapPic, "MapPic", 927, 640);
    NameAll(ImgGunPic, "ImgGunPic", 99, 108);
    NameAll(ImgGunMask, "ImgGunMask", 99, 108);
    Name(ImgKernelPic, "ImgKernelPic", 25, 25);
    Name(ImgKernelMask, "ImgKernelMask", 25, 25);
    Name(ImgMobPic1, "ImgMobPic1", 141, 50);
    Name(ImgMobMask1, "ImgMobMask1", 141, 50);
    Name(ImgMobPic2, "ImgMobPic2", 100, 52);
    Name(ImgMobMask2, "ImgMobMask2", 100, 52);
    Name(ImgMobPic3, "ImgMobPic3", 140, 95);
    Name(ImgMobMask3, "ImgMobMask3", 140, 95);
    NameAll(ImgMobPic4, "ImgMobPic4", 48, 29);
    NameAll(ImgMobMask4, "ImgMobMask4", 48, 29);
    NameAll(ImgMobPic5, "ImgMobPic5", 144, 62);
    NameAll(ImgMobMask5, "ImgMobMask5", 144, 62);
    NameAll(ImgMobPic6, "ImgMobPic6", 100, 47);
    NameAll(ImgMobMask6, "ImgMobMask6", 100, 47);
    NameAll(ImgListShotPic, "ImgListShotPic", 60, 50);
    NameAll(ImgListShotMask, "ImgListShotMask", 60, 50);
    NameAll(ImgListBumPic, "ImgListBumPic", 135, 100);
    NameAll(ImgListBumMask, "ImgListBumMask", 135, 100);
    Name(ImgZA, "ImgZA", 84, 80);
    Name(ImgZNA, "ImgZNA", 84, 80);
    Name(ImgZMask, "ImgZMask", 84, 80);
    NameAll(ImgZifra, "ImgZifra", 12, 18);
    NameAll(ImgZifraM, "ImgZifraM", 12, 18);
    ImgZifra(11).Width = ImgZifraM(11).Width = 18;  // the percent sign is wider
    NameAll(ImgZifraRed, "ImgZifraRed", 12, 18);
    Name(ImgHarrow, "ImgHarrow", 32, 32);
}

void PictureSet::ForEachSprite(const std::function<void(Picture&)>& f) {
    Each(ImgGunPic, f);
    Each(ImgGunMask, f);
    f(ImgKernelPic);
    f(ImgKernelMask);
    for (Picture* p :
         {&ImgMobPic1, &ImgMobMask1, &ImgMobPic2, &ImgMobMask2, &ImgMobPic3, &ImgMobMask3})
        f(*p);
    Each(ImgMobPic4, f);
    Each(ImgMobMask4, f);
    Each(ImgMobPic5, f);
    Each(ImgMobMask5, f);
    Each(ImgMobPic6, f);
    Each(ImgMobMask6, f);
    Each(ImgListShotPic, f);
    Each(ImgListShotMask, f);
    Each(ImgListBumPic, f);
    Each(ImgListBumMask, f);
    f(ImgZA);
    f(ImgZNA);
    f(ImgZMask);
    Each(ImgZifra, f);
    Each(ImgZifraM, f);
    Each(ImgZifraRed, f);
    f(ImgHarrow);
}

std::string ResourceFileName(const std::string& pictureName) {
    std::string file;
    for (char c : pictureName) {
        if (c == '(')
            file += '_';
        else if (c != ')')
            file += c;
    }
    return file + ".png";
}

}  // namespace krepogor
