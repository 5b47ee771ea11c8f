#include "desktop/sdl/SdlMediaSystem.h"

#include <algorithm>

#include "desktop/sdl/SdlMediaDevice.h"
#include "desktop/sdl/SdlMixLevels.h"

namespace krepogor {

std::unique_ptr<IMediaDevice> SdlMediaSystem::Create(const std::string& name) {
    auto device = std::make_unique<SdlMediaDevice>(*this, audio_, DeviceVolume(name));
    devices_.back().name = name;
    return device;
}

void SdlMediaSystem::DeliverFinished() {
    std::vector<Entry> ended;
    for (const Entry& entry : devices_)
        if (entry.device->TakeEnd()) ended.push_back(entry);
    // A handler may close, reopen or even destroy devices: each is asked
    // whether it still exists before its notification.
    for (const Entry& entry : ended) {
        if (!Has(entry) || endsAsTold) continue;
        if (onEnd) onEnd(entry.name);
        if (entry.device->OnStatus) entry.device->OnStatus();
    }
}

void SdlMediaSystem::PlayArrived() {
    for (const Entry& entry : devices_) entry.device->PlayArrived();
}

void SdlMediaSystem::EndTrack(const std::string& name) {
    const auto it = std::find_if(devices_.begin(), devices_.end(),
                                 [&](const Entry& e) { return e.name == name; });
    if (it == devices_.end()) return;
    SdlMediaDevice* device = it->device;
    device->EndNow();
    if (device->OnStatus) device->OnStatus();
}

void SdlMediaSystem::Unregister(SdlMediaDevice* device) {
    std::erase_if(devices_, [&](const Entry& entry) { return entry.device == device; });
}

bool SdlMediaSystem::Has(const Entry& entry) const {
    return std::any_of(devices_.begin(), devices_.end(), [&](const Entry& e) {
        return e.device == entry.device && e.serial == entry.serial;
    });
}

}  // namespace krepogor
