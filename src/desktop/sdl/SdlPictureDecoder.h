#pragma once

#include "render/PictureDecoder.h"

namespace krepogor {

// Decodes PNG and JPEG files with SDL_image into 0x00RRGGBB pixels.
class SdlPictureDecoder : public IPictureDecoder {
public:
    bool Decode(const std::string& path, Picture& out, std::string& error) override;
};

}  // namespace krepogor
