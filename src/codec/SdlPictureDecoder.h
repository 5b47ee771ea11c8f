#pragma once

#include <string>

#include "render/PictureDecoder.h"

namespace krepogor {

// Why a picture whose header is whole would not decode; the decoder's own
// message is in English and says no more.
inline constexpr const char* kUndecodablePicture = "её данные испорчены";

// Decodes PNG and JPEG files with SDL_image into 0x00RRGGBB pixels; measures
// them from their headers alone. The file is read once: Decode works on the
// very bytes Measure checked when it is asked for the same path.
class SdlPictureDecoder : public IPictureDecoder {
public:
    bool Measure(const std::string& path, int& width, int& height, std::string& error) override;
    bool Decode(const std::string& path, Picture& out, std::string& error) override;

private:
    std::string measuredPath_;
    std::string measured_;
};

}  // namespace krepogor
