#pragma once

#include <memory>
#include <string>

#include "platform/MediaDevice.h"
#include "state/Slots.h"

namespace krepogor {

// An array of media devices, reached as MMControlBum(i).
template <int Lo, int Hi>
class DeviceArray {
public:
    DeviceArray(IMediaSystem& media, const std::string& name) {
        for (int i = Lo; i <= Hi; ++i) dev_(i) = media.Create(name + "(" + std::to_string(i) + ")");
    }
    IMediaDevice& operator()(int i) const { return *dev_(i); }

private:
    Slots<std::unique_ptr<IMediaDevice>, Lo, Hi> dev_;
};

}  // namespace krepogor
