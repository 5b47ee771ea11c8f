#pragma once

#include "state/Picture.h"

namespace krepogor {

// A hidden picture holder: it refers to the source picture last put into it.
// Putting a picture in replaces the reference; nothing is copied or decoded.
class SpriteBuffer {
public:
    void Put(const Picture& p) { pic_ = &p; }
    const Picture* Held() const { return pic_; }
    int Width() const { return pic_ ? pic_->Width : 0; }
    int Height() const { return pic_ ? pic_->Height : 0; }

private:
    const Picture* pic_ = nullptr;
};

}  // namespace krepogor
