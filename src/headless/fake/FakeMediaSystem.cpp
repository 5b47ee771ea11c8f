#include "headless/fake/FakeMediaSystem.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "headless/fake/Mp3Duration.h"
#include "platform/Utf8Path.h"

namespace krepogor {

std::unique_ptr<IMediaDevice> FakeMediaSystem::Create(const std::string& name) {
    auto dev = std::make_unique<FakeMediaDevice>(*this, name);
    devices_[name] = dev.get();
    return dev;
}

void FakeMediaSystem::AdvanceTo(int64_t now) {
    if (now <= now_) return;
    const int64_t ms = now - now_;
    now_ = now;
    for (auto& [name, dev] : devices_) dev->Advance(ms);
}

bool FakeMediaSystem::EndTrack(const std::string& name) {
    FakeMediaDevice* dev = Find(name);
    if (dev) dev->End();
    return dev != nullptr;
}

FakeMediaDevice* FakeMediaSystem::Find(const std::string& name) const {
    auto it = devices_.find(name);
    return it == devices_.end() ? nullptr : it->second;
}

FakeMediaDevice::~FakeMediaDevice() {
    sys_.devices_.erase(name_);
}

void FakeMediaDevice::FileName(const std::string& path) {
    file_ = path;
    std::string shown = path;
    if (shown.rfind(sys_.appDir_, 0) == 0) shown = shown.substr(sys_.appDir_.size());
    sys_.log_.Add({name_, "FileName", shown});
}

void FakeMediaDevice::Command(const std::string& command) {
    const std::string word = CanonicalCommand(command);
    sys_.log_.Add({name_, word.empty() ? command : word});
    if (word == "Open") {
        std::error_code ec;
        open_ = std::filesystem::is_regular_file(PathOf(file_), ec);
        const auto bytes = open_ ? std::filesystem::file_size(PathOf(file_), ec) : 0;
        if (const auto mp3 = open_ ? ReadMp3Duration(file_) : std::nullopt) {
            length_ = std::max<int64_t>(1, mp3->Milliseconds());
        } else {
            // Not MPEG audio (a test's stand-in): as long as the file would
            // play at 128 kbit/s (16 bytes a millisecond).
            length_ = open_ && !ec ? std::max<int64_t>(1, static_cast<int64_t>(bytes / 16)) : 0;
        }
        position_ = 0;
        playing_ = false;
    } else if (word == "Play") {
        // At the end "Play" plays nothing and ends again at the next tick.
        playing_ = open_ && length_ > 0;
    } else if (word == "Stop") {
        playing_ = false;
    } else if (word == "Prev") {
        // Seeking back to the start stops the device, as the real one does.
        position_ = 0;
        playing_ = false;
    } else if (word == "Close") {
        open_ = playing_ = false;
        position_ = length_ = 0;
    }
}

void FakeMediaDevice::Advance(int64_t ms) {
    if (!playing_) return;
    position_ = std::min(length_, position_ + ms);
    // A device whose ends are recorded waits at its end until it is told.
    if (position_ == length_ && sys_.endsByClock_) End();
}

void FakeMediaDevice::End() {
    position_ = length_;
    playing_ = false;
    if (sys_.onEnd) sys_.onEnd(name_);
    if (OnStatus) OnStatus();
}

}  // namespace krepogor
