#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace krepogor {

// One media player device: plays one audio file, driven by command words.
// Position and length are counted in milliseconds.
class IMediaDevice {
public:
    virtual ~IMediaDevice() = default;

    virtual void FileName(const std::string& path) = 0;
    // "Open", "Play", "Stop", "Prev" or "Close", matched without regard to case.
    virtual void Command(const std::string& command) = 0;
    virtual int64_t Length() const = 0;
    virtual int64_t Position() const = 0;

    // Raised by the device layer while the device plays and when it reaches its end.
    std::function<void()> OnStatus;
};

// Makes the devices; `name` is how the game calls the device, e.g. "MMControlBum(6)".
class IMediaSystem {
public:
    virtual ~IMediaSystem() = default;
    virtual std::unique_ptr<IMediaDevice> Create(const std::string& name) = 0;
};

// The command word a command string stands for, or "" when it is none of the five.
std::string CanonicalCommand(const std::string& command);

}  // namespace krepogor
