#pragma once

#include <string>

#include "state/Picture.h"

namespace krepogor {

// Turns a picture file into pixels. Decode fills out's size and pixels and
// returns true, or returns false with a reason in `error`.
class IPictureDecoder {
public:
    virtual ~IPictureDecoder() = default;
    virtual bool Decode(const std::string& path, Picture& out, std::string& error) = 0;
};

}  // namespace krepogor
