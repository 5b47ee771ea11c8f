#pragma once

#include <functional>

#include "state/Picture.h"
#include "state/Slots.h"

namespace krepogor {

// Every source picture of the battle window, named and sized as the game
// knows them. Image arrays keep their own indices, picture lists count from 1.
struct PictureSet {
    PictureSet();
    PictureSet(const PictureSet&) = delete;
    PictureSet& operator=(const PictureSet&) = delete;

    Picture MapPic;  // the battle field's background, 927 x 640
    Slots<Picture, 0, 6> ImgGunPic, ImgGunMask;
    Picture ImgKernelPic, ImgKernelMask;
    Picture ImgMobPic1, ImgMobMask1, ImgMobPic2, ImgMobMask2, ImgMobPic3, ImgMobMask3;
    Slots<Picture, 0, 2> ImgMobPic4, ImgMobMask4;
    Slots<Picture, 0, 1> ImgMobPic5, ImgMobMask5;
    Slots<Picture, 0, 0> ImgMobPic6, ImgMobMask6;
    Slots<Picture, 1, 10> ImgListShotPic, ImgListShotMask;
    Slots<Picture, 1, 11> ImgListBumPic, ImgListBumMask;
    Picture ImgZA, ImgZNA, ImgZMask;
    Slots<Picture, 0, 11> ImgZifra, ImgZifraM;
    Slots<Picture, 1, 10> ImgZifraRed;
    Picture ImgHarrow;

    // Every picture but the background, in a fixed order.
    void ForEachSprite(const std::function<void(Picture&)>& f);
};

// The resource file a sprite picture is stored in: "ImgGunPic(1)" is
// "ImgGunPic_1.png", "ImgKernelPic" is "ImgKernelPic.png".
std::string ResourceFileName(const std::string& pictureName);

}  // namespace krepogor
