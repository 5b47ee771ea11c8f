#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "headless/fake/EventLog.h"
#include "platform/MediaDevice.h"

namespace krepogor {

class FakeMediaDevice;

// Recording media devices on a virtual clock. Every command is logged; a device
// opened on an MP3 file is as long as the file plays (read from its frame
// headers, to the millisecond of the desktop's devices), one opened on another
// existing file as long as it would play at 128 kbit/s (a test may set another
// length). A playing device advances with the clock, stops at its end and
// raises its status notification there; "Play" at the end raises it at the
// next tick of the clock, as the desktop's devices do in the next pass of
// their loop.
class FakeMediaSystem : public IMediaSystem {
public:
    FakeMediaSystem(EventLog& log, std::string appDir) : log_(log), appDir_(std::move(appDir)) {}

    std::unique_ptr<IMediaDevice> Create(const std::string& name) override;

    // Moves every playing device on to the virtual time `now`.
    void AdvanceTo(int64_t now);
    // Whether a device ends at its length on the clock (the default) or only
    // when told (EndTrack), as a recording of the desktop says it ended there.
    void EndsByClock(bool on) { endsByClock_ = on; }
    // The device reaches the end of its track now and raises its status
    // notification; false when no device has that name.
    bool EndTrack(const std::string& name);
    // Told the name of every device that reaches its end, before its notification.
    std::function<void(const std::string& name)> onEnd;
    FakeMediaDevice* Find(const std::string& name) const;
    const std::map<std::string, FakeMediaDevice*>& Devices() const { return devices_; }

private:
    friend class FakeMediaDevice;
    EventLog& log_;
    std::string appDir_;
    int64_t now_ = 0;
    bool endsByClock_ = true;
    std::map<std::string, FakeMediaDevice*> devices_;
};

class FakeMediaDevice : public IMediaDevice {
public:
    FakeMediaDevice(FakeMediaSystem& sys, std::string name) : sys_(sys), name_(std::move(name)) {}
    ~FakeMediaDevice() override;

    void FileName(const std::string& path) override;
    void Command(const std::string& command) override;
    int64_t Length() const override { return open_ ? length_ : 0; }
    int64_t Position() const override { return position_; }

    void SetLength(int64_t length) { length_ = length; }
    void SetPosition(int64_t position) { position_ = position; }
    bool Playing() const { return playing_; }
    bool IsOpen() const { return open_; }
    const std::string& File() const { return file_; }
    void Advance(int64_t ms);
    void End();

private:
    FakeMediaSystem& sys_;
    std::string name_;
    std::string file_;
    bool open_ = false;
    bool playing_ = false;
    int64_t length_ = 0;
    int64_t position_ = 0;
};

}  // namespace krepogor
