#pragma once

#include <string>

#include "state/Picture.h"

namespace krepogor {

// Turns a picture file into pixels. Measure reads only the file's header (and
// checks the file is whole), so that a size can be refused before any pixel
// is decoded; Decode fills out's size and pixels. Both return false with a
// reason in `error`.
class IPictureDecoder {
public:
    virtual ~IPictureDecoder() = default;
    virtual bool Measure(const std::string& path, int& width, int& height, std::string& error) = 0;
    virtual bool Decode(const std::string& path, Picture& out, std::string& error) = 0;
};

}  // namespace krepogor
