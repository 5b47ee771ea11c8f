#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/MediaDevice.h"

namespace krepogor {

class SdlAudioOutput;
class SdlMediaDevice;

// Media devices that play through the mixer, one channel each.
//
// The mixer finds a track's end on its audio thread and wakes the main loop;
// the device takes the end over before its next command or in DeliverFinished,
// which the main loop calls on every iteration: there it raises OnStatus.
// OnStatus is never raised from any other place, never for a track halted by
// "Stop", "Prev" or "Close", and never after a later command to the device.
//
// The system must outlive its devices, and the audio output the system.
class SdlMediaSystem : public IMediaSystem {
public:
    explicit SdlMediaSystem(SdlAudioOutput& audio) : audio_(audio) {}
    ~SdlMediaSystem() override = default;
    SdlMediaSystem(const SdlMediaSystem&) = delete;
    SdlMediaSystem& operator=(const SdlMediaSystem&) = delete;

    std::unique_ptr<IMediaDevice> Create(const std::string& name) override;

    // Brings every device whose track ran out to its end and raises its OnStatus.
    void DeliverFinished();
    // Starts every track told to play before its file was there, now that it is.
    void PlayArrived();
    // Told the name of every device whose end is delivered, before its OnStatus.
    std::function<void(const std::string& name)> onEnd;
    // While a recording is shown its ends are the recording's: the devices'
    // own ends raise nothing, and EndTrack brings the named device to its end
    // (stopping it there, should it still play) and raises its OnStatus.
    bool endsAsTold = false;
    void EndTrack(const std::string& name);

private:
    friend class SdlMediaDevice;
    struct Entry {
        SdlMediaDevice* device;
        uint64_t serial;  // tells a destroyed device from a new one at the same address
        std::string name;
    };
    void Register(SdlMediaDevice* device) { devices_.push_back({device, ++serials_, {}}); }
    void Unregister(SdlMediaDevice* device);
    bool Has(const Entry& entry) const;

    SdlAudioOutput& audio_;
    std::vector<Entry> devices_;
    uint64_t serials_ = 0;
};

}  // namespace krepogor
