#include "platform/sdl/SdlMediaSystem.h"

#include <algorithm>

#include "platform/sdl/SdlMediaDevice.h"

namespace krepogor {

std::unique_ptr<IMediaDevice> SdlMediaSystem::Create(const std::string& /*name*/) {
    return std::make_unique<SdlMediaDevice>(*this, audio_);
}

void SdlMediaSystem::DeliverFinished() {
    std::vector<SdlMediaDevice*> ended;
    for (SdlMediaDevice* device : devices_)
        if (device->TakeEnd()) ended.push_back(device);
    // A handler may close, reopen or even destroy devices: each is asked
    // whether it still exists before its notification.
    for (SdlMediaDevice* device : ended)
        if (Has(device) && device->OnStatus) device->OnStatus();
}

void SdlMediaSystem::Unregister(SdlMediaDevice* device) {
    devices_.erase(std::remove(devices_.begin(), devices_.end(), device), devices_.end());
}

bool SdlMediaSystem::Has(const SdlMediaDevice* device) const {
    return std::find(devices_.begin(), devices_.end(), device) != devices_.end();
}

}  // namespace krepogor
