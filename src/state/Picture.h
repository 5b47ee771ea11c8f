#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace krepogor {

// A source picture: its name as the game knows it ("ImgGunPic(1)",
// "ImgListBumPic(3)") and its size. Pixels are 0x00RRGGBB, row by row; a
// picture known by size only (a headless run) has no pixels.
struct Picture {
    std::string Name;
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels;

    bool HasPixels() const {
        return Width > 0 && Height > 0 && Pixels.size() == static_cast<size_t>(Width) * Height;
    }
};

}  // namespace krepogor
